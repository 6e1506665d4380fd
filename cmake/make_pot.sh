#!/bin/sh
# Writes the translation template of every text the code marks (src/ and the generator in tools/).
# Usage: make_pot.sh SOURCE_DIR OUTPUT.pot
set -eu
src="$1"
out="$2"
cd "$src"
find src tools -name '*.cpp' -o -name '*.h' | LC_ALL=C sort > "$out.files"
xgettext --files-from="$out.files" --output="$out" --from-code=UTF-8 --language=C++ \
  --keyword= --keyword=Tr --keyword=TrCtx:1c,2 --keyword=TrPlural:1,2 --keyword=TrFormat:1 --keyword=Mark --keyword=MarkCtx:1c,2 \
  --add-comments=TRANSLATORS: --add-location=file --sort-output \
  --package-name=stroylik --package-version=1.0 --msgid-bugs-address=team@stroylik.org
rm -f "$out.files"

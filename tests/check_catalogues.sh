#!/bin/sh
# Fails when po/stroylik.pot is out of date with the code, or a catalogue of po/LINGUAS lacks a
# text of the template, leaves one untranslated or fuzzy, or does not compile cleanly.
# Usage: check_catalogues.sh SOURCE_DIR
set -eu
src="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$src/cmake/make_pot.sh" "$src" "$tmp/now.pot"
if ! diff -u -I '^"POT-Creation-Date:' "$src/po/stroylik.pot" "$tmp/now.pot" > "$tmp/diff"; then
  cat "$tmp/diff"
  echo "po/stroylik.pot is out of date: run 'cmake --build build --target pot', then msgmerge the catalogues"
  exit 1
fi
status=0
for lang in $(grep -v '^#' "$src/po/LINGUAS"); do
  msgmerge --quiet --no-fuzzy-matching -o "$tmp/$lang.po" "$src/po/$lang.po" "$src/po/stroylik.pot"
  report="$(msgfmt --check --statistics -o /dev/null "$tmp/$lang.po" 2>&1)" || status=1
  echo "$lang: $report"
  case "$report" in *untranslated*|*fuzzy*) status=1 ;; esac
done
exit $status

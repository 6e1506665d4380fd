#!/usr/bin/env bash
# Every language has a whole translation of the desktop entry, the AppStream data and the manual,
# the built files carry it, and each manual page renders without warnings in its own words.
set -euo pipefail
src="$1"
dist="$2"
id="$3"
# The same rule as cmake/dist_translations.cmake: Russian plus po/LINGUAS, English being the source.
langs="$(echo ru $(grep -v '^#' "$src/po/LINGUAS" 2>/dev/null) | tr ' ' '\n' | grep -vx en | sort -u | tr '\n' ' ')"
failed=0
fail() { echo "$1"; failed=1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# The texts as dist/ has them now; a catalogue must translate each of them (msgcmp counts
# untranslated and fuzzy entries as missing).
(cd "$src" && xgettext --from-code=UTF-8 -o "$tmp/dist.pot" dist/$id.desktop dist/$id.metainfo.xml)
po4a-updatepo -f man -m "$src/dist/stroylik.6" -M UTF-8 -p "$tmp/man.pot" >/dev/null 2>&1
render() { groff -k -man -Tutf8 -P-cbou "$1" 2>/dev/null | sed 's/^ *//' | grep -v '^$'; }
# Lines of running English text: four plain lowercase words or more.
english_lines() { awk '{ n = 0; for (i = 1; i <= NF; i++) if ($i ~ /^[a-z]+[,.;:]?$/) n++; if (n >= 4) print }' | sort -u; }
english="$(render "$src/dist/stroylik.6" | english_lines)"
warnings="$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$src/dist/stroylik.6" 2>&1)"
[ -z "$warnings" ] || fail "dist/stroylik.6: $warnings"
for lang in $langs; do
  for po in "$src/po/dist/$lang.po" "$src/po/man/$lang.po"; do
    [ -f "$po" ] || { fail "missing: $po"; continue; }
    msgfmt --check -o /dev/null "$po" || fail "$po does not compile"
  done
  [ -f "$src/po/dist/$lang.po" ] && { msgcmp "$src/po/dist/$lang.po" "$tmp/dist.pot" ||
    fail "po/dist/$lang.po lacks texts of dist/: cmake --build build --target pot_dist, then translate"; }
  [ -f "$src/po/man/$lang.po" ] && { msgcmp "$src/po/man/$lang.po" "$tmp/man.pot" ||
    fail "po/man/$lang.po lacks texts of dist/stroylik.6: cmake --build build --target pot_dist, then translate"; }
  grep -q "^Name\[$lang\]=" "$dist/$id.desktop" || fail "$id.desktop has no $lang name"
  grep -q "^Comment\[$lang\]=" "$dist/$id.desktop" || fail "$id.desktop has no $lang comment"
  grep -q "<summary xml:lang=\"$lang\">" "$dist/$id.metainfo.xml" || fail "$id.metainfo.xml has no $lang summary"
  page="$dist/man/$lang/stroylik.6"
  [ -f "$page" ] || { fail "missing: $page"; continue; }
  warnings="$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$page" 2>&1)"
  [ -z "$warnings" ] || fail "$page: $warnings"
  text="$(render "$page")"
  [ "$(echo "$text" | wc -l)" -ge 40 ] || fail "$page renders almost empty"
  # Sentences left in English show up as lines the English page has too.
  same="$(comm -12 <(echo "$english") <(echo "$text" | english_lines))"
  [ -z "$same" ] || fail "$page keeps English lines: $same"
done
[ "$failed" = 0 ] && echo "desktop entry, AppStream data and manual translated into: $langs"
exit "$failed"

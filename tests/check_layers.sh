#!/usr/bin/env bash
# Includes run one way: platform, core, subsystems, app. A header from a higher layer
# included by a lower one ties the layers into a circle again.
set -euo pipefail
src="$1/src"
fail=0
check() {   # folder, pattern of forbidden includes
  local hits
  hits=$(grep -rnE "#include \"($2)/" "$src/$1" || true)
  if [ -n "$hits" ]; then echo "$1 must not include $2:"; echo "$hits"; fail=1; fi
}
check platform 'core|input|render|box1|box2|menus|sound|app'
check core 'input|render|box1|box2|menus|sound|app'
for sub in input render box1 box2 menus sound; do check "$sub" 'app'; done
exit $fail

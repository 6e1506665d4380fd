#!/usr/bin/env bash
# An installed, read-only copy of the game plays a scripted new game when started from an
# unrelated working directory, writes only into the user folder it is given, and leaves the
# installed tree exactly as it was.
set -euo pipefail
build="$1"
script="$2"
work="$(mktemp -d /tmp/stroylik_install_XXXXXX)"
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in games/stroylik share/games/stroylik/Surfaces.ini share/man/man6/stroylik.6 share/man/uk/man6/stroylik.6 \
         share/icons/hicolor/48x48/apps share/icons/hicolor/256x256/apps share/applications share/metainfo; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
if [ -e "$prefix/share/games/stroylik/save" ]; then echo "the build tree's save folder was installed"; exit 1; fi
chmod -R a-w "$prefix"
before="$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)"
mkdir "$work/elsewhere" "$work/user"
cp "$script" "$work/elsewhere/script.txt"
cd "$work/elsewhere"
HOME="$work/home" XDG_DATA_HOME= XDG_CONFIG_HOME= \
  "$prefix/games/stroylik" --headless --start --fixed-step 20 --script script.txt --user-dir "$work/user"
after="$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)"
[ "$before" = "$after" ] || { echo "the installed tree changed"; diff <(echo "$before") <(echo "$after") || true; exit 1; }
# The only child's progress lives in its profile folder; the settings stay in the user folder.
for f in profiles/1/save/k1/sk_1.dat profiles/1/k1.dat settings.ini; do
  [ -s "$work/user/$f" ] || { echo "not saved in the user folder: $f"; ls -R "$work/user"; exit 1; }
done
leftovers="$(ls -A "$work/elsewhere")"
[ "$leftovers" = "script.txt" ] || { echo "files written to the working directory: $leftovers"; exit 1; }
# Libraries may keep caches in the home folder; the game itself must not write there.
touched="$(find "$work/home" -path '*stroylik*' 2>/dev/null || true)"
[ -z "$touched" ] || { echo "the real user folders were touched: $touched"; exit 1; }
echo "installed copy: new game saved in the user folder"

#!/usr/bin/env bash
# The game in a real X window (Xvfb with a window manager): xdotool moves and clicks the real
# pointer and presses F11. An instant click must end the intro, the cursor must land where
# the pointer is, and F11 must switch full screen and back. Skipped (77) without Xvfb.
set -euo pipefail
game_exe="$1"
game_dir="$2"
for tool in Xvfb xdotool openbox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

work=$(mktemp -d /tmp/stroylik_xwin_XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.5
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  [ -n "${KEEP:-}" ] && cp "$work/game.log" /tmp/i12x/game.log; rm -rf "$work"
}
trap cleanup EXIT

# A scratch game folder: pictures and sounds linked, levels copied, its own settings.
for sub in textures sound music models; do ln -s "$game_dir/$sub" "$work/$sub"; done
cp -r "$game_dir/levels" "$work/levels"
cp "$game_dir/Surfaces.ini" "$work/"
mkdir -p "$work/save/k1" "$work/save/k2"
export XDG_CONFIG_HOME="$work/config"

exec 5> "$work/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/wm.log" 2>&1 &
pids+=($!)
sleep 1

# 1024x768 in a window: the picture fills it, so window point (320, 384) is virtual (400, 512).
# The script leaves a file at each stage; this side acts when it appears, however slow the frames.
cat > "$work/script.txt" <<'SCRIPT'
frames 3
dump ready.json
await 3000 g_introActive 0
dump clicked.json
await 3000 g_cursorX 400
expect g_cursorY 512
dump moved.json
await 3000 window.fullscreen 1
expect settings.fullscreen 1
dump full.json
await 3000 window.fullscreen 0
frames 2
SCRIPT
# A tiny fixed step keeps the intro running until the click ends it.
(cd "$work" && exec timeout 600 "$game_exe" --start --windowed --resolution 1024x768 --no-vsync --fixed-step 1 \
  --script script.txt --data "$work" --user-dir "$work") >"$work/game.log" 2>&1 &
game=$!
pids+=($game)

stage() {   # waits for the game to reach a stage
  for _ in $(seq 1200); do
    [ -s "$work/$1.json" ] && return 0
    kill -0 "$game" 2>/dev/null || break
    sleep 0.25
  done
  echo "the game did not reach \"$1\":"; cat "$work/game.log"; exit 1
}
stage ready
win=$(timeout 60 xdotool search --sync --onlyvisible --class stroylik | head -n1)
[ -n "$win" ] || { echo "the game window did not appear"; exit 1; }
xdotool mousemove --window "$win" 100 100 click 1   # press and release at once
stage clicked
xdotool mousemove --window "$win" 320 384
stage moved
xdotool key F11
stage full
xdotool key F11
status=0
wait "$game" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the game failed ($status):"; cat "$work/game.log"; exit 1
fi
settings="$work/settings.ini"
grep -q '^fullscreen = no' "$settings" || { echo "the window mode was not remembered:"; cat "$settings"; exit 1; }
# Back from full screen, the window has its own size again, and that is what is remembered.
if grep -q '^window = ' "$settings" && ! grep -q '^window = 1024x768' "$settings"; then
  echo "the window size was taken from full screen:"; cat "$settings"; exit 1
fi
echo "real window: instant click, pointer and F11 all work"

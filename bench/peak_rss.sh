#!/bin/sh
# Peak resident memory of the game touring every screen at 1280x1024, next to the bare
# SDL2 + OpenGL program on the same driver, in the same run.
#     bench/peak_rss.sh [build folder]        (headless: llvmpipe through SDL's offscreen driver)
set -e
build=$(cd "${1:-build}" && pwd)
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
bare=$(peak "$build/stroylik_bare_gl" 1280 1024)
here=$(cd "$(dirname "$0")" && pwd)
cd "$build/game"
game=$(peak "$build/stroylik" --headless --start --resolution 1280x1024 --no-vsync --fixed-step 10 --script "$here/frames/tour.txt")
echo "bare SDL2 + OpenGL: $((bare / 1024)) MB"
echo "game at 1280x1024:  $((game / 1024)) MB"
echo "difference:         $(((game - bare) / 1024)) MB"

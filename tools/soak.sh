#!/usr/bin/env bash
# Soak run: the real game, headless, driven by a random script of clicks and drags through
# the menus and both boxes for a long time. Reports the frames drawn, the exit status and the
# resident memory near the start and at the end.
#
#   tools/soak.sh [FRAMES] [SEED]        (defaults 200000 and 1)
#
# Environment: BUILD (default ./build) holds the game and its data; KEEP=1 keeps the scratch
# folder (script, state dumps, memory samples "rss.txt": seconds, VmRSS, VmHWM) for a look
# afterwards. Run it niced on a shared machine: nice -n 10 tools/soak.sh. Stopped with Ctrl+C
# or kill, it ends the game and reports up to the last progress dump (every 5,000 frames).
# The same walk in-process (recorder graphics, much faster): the test Soak.* in README.
set -euo pipefail

frames_wanted="${1:-200000}"
seed="${2:-1}"
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${BUILD:-$here/build}" && pwd)"
game="$build/game"
[ -x "$build/stroylik" ] && [ -f "$game/Surfaces.ini" ] || {
    echo "soak: build the game and its data first (cmake --build build --target stroylik gamedata)" >&2
    exit 2
}

work="$(mktemp -d /tmp/stroylik_soak.XXXXXX)"
cleanup() { [ "${KEEP:-0}" = 1 ] && echo "soak: kept $work" || rm -rf "$work"; }
trap cleanup EXIT

# A scratch game folder: pictures, sounds and the model linked, levels copied (the export
# writes there), empty saves.
for entry in "$game"/*; do
    name="$(basename "$entry")"
    case "$name" in
        levels|save|*.dat|Debug.txt) ;;
        *) ln -s "$entry" "$work/$name" ;;
    esac
done
cp -r "$game/levels" "$work/levels"
mkdir -p "$work/save/k1" "$work/save/k2"

# Episodes, each from the main menu: a box picture, new game or continue, then random clicks,
# drags and waits on the level screen (never on the corner button, which closes the game from
# the main menu), and the corner button back to the menu. Continue without a save leaves the
# start screen up; the corner button takes that back to the menu too.
awk -v seed="$seed" -v want="$frames_wanted" '
function rnd(lo, hi) { return lo + int(rand() * (hi - lo + 1)) }
function move(x, y) { print "move " x " " y; n += 1 }
function click() { print "click"; n += 2 }
function wait(k) { print "frames " k; n += k }
function anywhere() {   # a point outside the corner button
    do { x = rnd(0, 1275); y = rnd(0, 1019) } while (x >= 1225 && y <= 55)
}
BEGIN {
    srand(seed)
    print "frames 5"
    click()
    n += 5
    while (n < want) {
        if (rand() < 0.5) move(380, 320); else move(860, 500)
        click()
        if (rand() < 0.4) move(500, 220); else move(500, 550)
        click()
        actions = rnd(20, 200)
        for (a = 0; a < actions; ++a) {
            r = rand()
            if (r < 0.45) {                      # a drag from the palettes toward the field
                move(rnd(2, 1270), rnd(706, 1019))
                print "down left"
                wait(rnd(1, 3))
                anywhere(); move(x, y)
                print "up left"
                wait(rnd(1, 40))
            } else if (r < 0.85) {               # a click anywhere else, buttons included
                anywhere(); move(x, y); click()
            } else if (r < 0.97) {
                wait(rnd(1, 60))
            } else if (r < 0.997) {              # the export key
                print "key S down"; wait(1); print "key S up"
            } else {                             # a task switch and back
                print "focus lost"; wait(3); print "focus gained"; wait(3)
            }
        }
        move(1250, 20)
        click()
        wait(2)
        if (n >= next_dump) { print "dump progress.json"; next_dump = n + 5000 }
    }
    print "dump end.json"
}' > "$work/soak.txt"

cd "$work"
start_s=$(date +%s)
"$build/stroylik" --headless --start --no-vsync --fixed-step 16 --script soak.txt --data . --user-dir . > out.txt 2> err.txt &
pid=$!
rss_start="" rss_end="" hwm=""
sample() {
    local status="/proc/$pid/status"
    [ -r "$status" ] || return 1
    local rss peak
    rss=$(awk '/^VmRSS:/ { print $2 }' "$status" 2>/dev/null) || return 1
    peak=$(awk '/^VmHWM:/ { print $2 }' "$status" 2>/dev/null) || return 1
    [ -n "$rss" ] || return 1
    echo "$(($(date +%s) - start_s)) $rss $peak" >> rss.txt
    rss_end="$rss"
    hwm="$peak"
    # "Start" is the first sample after the game has settled into its menus.
    if [ -z "$rss_start" ] && [ $(($(date +%s) - start_s)) -ge 5 ]; then rss_start="$rss"; fi
}
# Stopped early (Ctrl+C, kill): the game goes too, and the report covers what ran.
stopped=0
trap 'stopped=1; kill "$pid" 2>/dev/null' INT TERM
while kill -0 "$pid" 2>/dev/null; do
    sample || true
    sleep 1
done
set +e
wait "$pid"
status=$?
set -e
[ "$stopped" = 1 ] && echo "soak: stopped early; frames are those of the last progress dump"
[ -f end.json ] || cp progress.json end.json 2>/dev/null || true
elapsed=$(($(date +%s) - start_s))
drawn=$(awk -F': ' '/"framesDrawn"/ { gsub(/[ ,]/, "", $2); print $2 }' end.json 2>/dev/null | tail -n 1)
echo "soak: seed $seed, script of $frames_wanted frames or more"
echo "soak: exit status $status after ${elapsed} s"
echo "soak: frames drawn ${drawn:-unknown}"
echo "soak: resident memory ${rss_start:-?} KiB near the start, ${rss_end:-?} KiB at the end, peak ${hwm:-?} KiB"
if [ -s err.txt ]; then
    echo "soak: the game's messages (first 20 lines):"
    head -n 20 err.txt
fi
exit "$status"

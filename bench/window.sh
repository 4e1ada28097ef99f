#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window under Xvfb: time from launch to the title picture on screen,
# processor use while nothing happens (at the title, in the Stats Editor, in a
# running match), and the peak memory of the game.
#
#   bench/window.sh [PATH-TO-hexbrawl]     (make bench-window builds and runs it)
#
# Needs Xvfb, xdotool and hexbrawl-titlewatch (built beside the game), which
# launches the game and watches the X server for its window and title picture;
# ImageMagick's import only for HEXBRAWL_SHOT. HEXBRAWL_STARTUP_RUNS (7) is how
# many launches the start-up median is taken over, HEXBRAWL_IDLE_SECONDS (10) how
# long each rest is measured; HEXBRAWL_SHOT=FILE keeps a screenshot of the running
# match, HEXBRAWL_GAME_LOG=FILE the game's output.
set -euo pipefail

game=${1:-build-bench/hexbrawl}
watch=$(dirname "$game")/hexbrawl-titlewatch
quiet=${HEXBRAWL_IDLE_SECONDS:-10}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "bench-window needs $tool" >&2; exit 1; }
done
[ -x "$game" ] || { echo "no game at $game" >&2; exit 1; }
[ -x "$watch" ] || { echo "no hexbrawl-titlewatch at $watch" >&2; exit 1; }

# A display nobody uses.
n=90
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 200); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.02; done

ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
# Percent of one core used by the game over the next N seconds.
cpu() {
    local before after
    before=$(ticks)
    sleep "$1"
    after=$(ticks)
    awk -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$1" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}
# Mean brightness of the arena part of the window, 0 (black) to 1.
arena() { "$watch" --brightness "$window"; }

# Start-up: from the launch until the window is mapped and until the title picture
# is on screen in it, as the X server sees them; the last game stays for the rest.
result=$("$watch" --runs "${HEXBRAWL_STARTUP_RUNS:-7}" --keep --log "${HEXBRAWL_GAME_LOG:-/dev/null}" "$game")
grep -E '^(run|median)' <<<"$result"
app=$(awk '/^pid / { print $2 }' <<<"$result")
window=$(awk '/^window / { print $2 }' <<<"$result")
[ -n "$app" ] && [ -n "$window" ] || { echo "the window never showed" >&2; exit 1; }

xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 1
echo "cpu at the title, nothing happening: $(cpu "$quiet") % of one core"

# The Stats Editor over the arena, no match.
xdotool mousemove --window "$window" 500 60 click 1
sleep 1
echo "cpu with the Stats Editor open, no match: $(cpu "$quiet") % of one core"

# One wizard and the match: a name, the first body and death cry of the lists (a
# name typed letter by letter would be looked up at every letter), "Next Player";
# the turn message is answered with Return. The editor's controls sit at (195, 155)
# in the window.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
key() { xdotool key "$1"; sleep 0.2; }
click 360 205; xdotool type --delay 20 Ann; sleep 0.2
click 360 229; key Down
click 620 229; key Down
click 500 643
sleep 1
xdotool key Return
sleep 2
before=$(arena)
[ -n "${HEXBRAWL_SHOT:-}" ] && import -window "$window" "$HEXBRAWL_SHOT"
echo "cpu in a running match, nothing happening: $(cpu "$quiet") % of one core"
after=$(arena)
awk -v b="$before" -v a="$after" 'BEGIN { printf "arena brightness before and after: %.3f %.3f\n", b, a }'

echo "peak memory: $(awk '/VmHWM/ { printf "%.1f MB", $2 / 1024 }' "/proc/$app/status")"

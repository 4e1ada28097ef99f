#!/usr/bin/env bash
# The real window under Xvfb: time from launch to the title picture on screen,
# processor use while nothing happens (at the title, in the Stats Editor, in a
# running match), and the peak memory of the game.
#
#   bench/window.sh [PATH-TO-hexbrawl]     (make bench-window builds and runs it)
#
# Needs Xvfb, xdotool and ImageMagick's import (for the check that the title shows).
# HEXBRAWL_IDLE_SECONDS (10) is how long each rest is measured; HEXBRAWL_SHOT=FILE
# keeps a screenshot of the running match, HEXBRAWL_GAME_LOG=FILE the game's stderr.
set -euo pipefail

game=${1:-build-bench/hexbrawl}
quiet=${HEXBRAWL_IDLE_SECONDS:-10}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "bench-window needs $tool" >&2; exit 1; }
done
[ -x "$game" ] || { echo "no game at $game" >&2; exit 1; }

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

now() { date +%s.%N; }
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
arena() { import -window "$window" -crop 750x750+152+0 +repage -format '%[fx:mean]' info: 2>/dev/null || echo 0; }

# Start-up: launch until the main window is mapped, then until its arena shows the
# title picture (checked by a screenshot, which takes its own time; the first
# figure is the one that counts, the second an upper bound).
start=$(now)
QT_QPA_PLATFORM=xcb "$game" >/dev/null 2>"${HEXBRAWL_GAME_LOG:-/dev/null}" &
app=$!
window=
for _ in $(seq 1000); do
    window=$(xdotool search --onlyvisible --name 'Hexbrawl V1.2' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.01  # the look is a process of its own: not too often on two cores
done
[ -n "$window" ] || { echo "the window never showed" >&2; exit 1; }
mapped=$(now)
used=$(ticks)
until awk -v m="$(arena)" 'BEGIN { exit !(m > 0.02) }'; do sleep 0.01; done
painted=$(now)
awk -v s="$start" -v m="$mapped" -v p="$painted" \
    'BEGIN { printf "startup to window shown: %.3f s\nstartup to title seen in a screenshot: %.3f s\n", m - s, p - s }'
awk -v t="$used" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "processor time of the game until shown: %.2f s\n", t / hz }'

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

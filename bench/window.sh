#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window under Xvfb: time from launch to the title picture on screen,
# processor use while nothing happens (at the title, in the Stats Editor, in a
# running match), with one projectile in flight, and the peak memory of the game.
#
#   bench/window.sh [PATH-TO-hexbrawl]     (make bench-window builds and runs it)
#
# Needs Xvfb, xdotool and hexbrawl-titlewatch (built beside the game), which
# launches the game and watches the X server for its window and title picture;
# ImageMagick's import only for HEXBRAWL_SHOT. HEXBRAWL_STARTUP_RUNS (7) is how
# many launches the start-up median is taken over, HEXBRAWL_IDLE_SECONDS (10) how
# long each rest is measured, HEXBRAWL_FLIGHTS (10) over how many flights the
# processor use with a projectile in flight is summed; HEXBRAWL_SHOT=FILE keeps a
# screenshot of the running match, HEXBRAWL_GAME_LOG=FILE the game's output.
#
# Processor use is the time the game's threads spent on a processor (their
# schedstat, in nanoseconds) over the wall time between two readings.
set -euo pipefail

game=${1:-build-bench/hexbrawl}
watch=$(dirname "$game")/hexbrawl-titlewatch
quiet=${HEXBRAWL_IDLE_SECONDS:-10}
flights=${HEXBRAWL_FLIGHTS:-10}
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

# Nanoseconds the game's threads have spent on a processor, and since the epoch.
ontime() { cat /proc/"$app"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
now() { date +%s%N; }
percent() { awk -v busy="$1" -v wall="$2" 'BEGIN { printf "%.2f", 100 * busy / wall }'; }
# Percent of one core used by the game over the next N seconds.
cpu() {
    local busy wall
    busy=$(ontime) wall=$(now)
    sleep "$1"
    percent $(($(ontime) - busy)) $(($(now) - wall))
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
# name typed letter by letter would be looked up at every letter), a walk of 2,
# "Next Player"; the turn message is answered with Return. The editor's controls
# sit at (195, 155) in the window.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
key() { xdotool key "$1"; sleep 0.2; }
click 360 205; xdotool type --delay 20 Ann; sleep 0.2
click 360 229; key Down
click 620 229; key Down
click 290 350; key Up
click 500 643
sleep 1
xdotool key Return
sleep 2
before=$(arena)
[ -n "${HEXBRAWL_SHOT:-}" ] && import -window "$window" "$HEXBRAWL_SHOT"
echo "cpu in a running match, nothing happening: $(cpu "$quiet") % of one core"
after=$(arena)
awk -v b="$before" -v a="$after" 'BEGIN { printf "arena brightness before and after: %.3f %.3f\n", b, a }'

# One projectile in flight. Ann ends her first turn, in which no shot is cast;
# then, turn after turn, "Use Ability" draws the aim circle (pure red) round her,
# a press just beside its middle casts her starting bolt towards the farther side
# of the arena, and the processor is measured over half a second from a tenth of
# a second after the press. The bolt costs her whole walk, so the turn passes by
# itself once it is gone and its message ("Hexbrawl") is answered. A measurement
# counts only when the arena is still moving after it: a bolt that hits a tree
# sooner is cast again in the next turn.
answer() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Hexbrawl$' >/dev/null 2>&1 && { key Return; return 0; }
        sleep 0.1
    done
    return 1
}
click 76 720
answer || { echo "the turn did not pass" >&2; exit 1; }
busy=0 wall=0 counted=0
for _ in $(seq $((4 * flights))); do
    [ "$counted" -lt "$flights" ] || break
    click 76 474
    read -r x y w h < <("$watch" --find ff0000 "$window") || { echo "no aim circle" >&2; exit 1; }
    [ "$w" -le 80 ] && [ "$h" -le 80 ] || { echo "the aim circle is not alone in red" >&2; exit 1; }
    if [ "$x" -lt $((152 + 375)) ]; then x=$((x + 10)); else x=$((x - 10)); fi
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.1
    b=$(ontime) t=$(now)
    sleep 0.5
    b=$(($(ontime) - b)) t=$(($(now) - t))
    if "$watch" --moving "$window"; then
        busy=$((busy + b)) wall=$((wall + t)) counted=$((counted + 1))
    fi
    answer || { echo "the turn did not pass after a cast" >&2; exit 1; }
done
[ "$counted" -gt 0 ] || { echo "no bolt flew half a second" >&2; exit 1; }
echo "cpu with one projectile in flight: $(percent "$busy" "$wall") % of one core ($counted flights of 0.5 s)"

echo "peak memory: $(awk '/VmHWM/ { printf "%.1f MB", $2 / 1024 }' "/proc/$app/status")"

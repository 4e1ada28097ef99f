#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the real-window tests on a private X server (Xvfb) with a window manager
# (openbox), as a desktop has them: minimising, focus, keys from xdotool.
#
#   tests/realwindow/run.sh TEST-PROGRAM WORK-FOLDER
set -euo pipefail
program=$1
work=$2
for tool in Xvfb openbox xdotool xmessage xprop; do
    command -v "$tool" >/dev/null || { echo "realwindow: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
rm -rf "$work"
mkdir -p "$work/home"
# What the window manager and the tools keep, kept here.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_CACHE_HOME=$work/home/cache TMPDIR=$work

# A display nobody else uses: the server picks a free one and says which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 500); do [ -s "$work/display" ] && break; sleep 0.01; done
[ -s "$work/display" ] || { echo "realwindow: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# The window manager is ready once it has named itself on the root window and says
# it can activate windows, which the tests ask of it: up to 30 s on a busy machine.
for _ in $(seq 3000); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.01; done
for _ in $(seq 3000); do xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && break; sleep 0.01; done

"$program"

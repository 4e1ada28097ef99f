#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command against a sound server of its own: a private PulseAudio with one
# null output, "hexnull" (what it plays can be recorded from "hexnull.monitor").
# Every file of the server and its clients stays in FOLDER; the server is stopped
# when the command ends, whatever the outcome, and FOLDER removed if it passed.
#
#   withpulse.sh FOLDER COMMAND [ARGUMENTS...]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: withpulse.sh FOLDER COMMAND [ARGUMENTS...]" >&2; exit 2; }
folder=$1
shift
for tool in pulseaudio pactl parec; do
  command -v "$tool" >/dev/null || {
    echo "withpulse: '$tool' is missing (scripts/install-deps.sh installs pulseaudio and pulseaudio-utils)" >&2
    exit 1
  }
done

rm -rf "$folder"
mkdir -p "$folder/home" "$folder/runtime" "$folder/state"
folder=$(cd "$folder" && pwd)
chmod 700 "$folder/runtime"
# The server and every client find each other and their files here, and nowhere
# else: no user's home, no system folder, no session bus, no server started on
# demand.
export HOME="$folder/home"
export XDG_RUNTIME_DIR="$folder/runtime"
export PULSE_RUNTIME_PATH="$folder/runtime/pulse"
export PULSE_STATE_PATH="$folder/state"
export PULSE_SERVER="unix:$folder/runtime/native"
export PULSE_CLIENTCONFIG="$folder/client.conf"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/no-bus"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"

# Run as root (as CI is), the server warns and runs all the same.
pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --realtime=no --high-priority=no \
  --log-target=stderr --log-level=warning \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$folder/runtime/native" \
  -L "module-null-sink sink_name=hexnull" \
  >"$folder/server.log" 2>&1 &
server=$!
stop() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "withpulse: the sound server did not start; its log:" >&2
  cat "$folder/server.log" >&2
  exit 1
fi

status=0
"$@" || status=$?
stop
if [ "$status" -eq 0 ]; then
  rm -rf "$folder"
else
  echo "withpulse: the command failed ($status); the server's files and log are in $folder" >&2
fi
exit "$status"

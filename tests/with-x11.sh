#!/usr/bin/env bash
# Runs a command on a private X server with a window manager, as on a pupil's desktop:
# Xvfb picks a free display, openbox manages the windows (maximising needs one).
set -euo pipefail

fifo=$(mktemp -u) && mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
server=$!
read -r number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$number"
openbox >/dev/null 2>&1 &
manager=$!
trap 'kill $manager $server 2>/dev/null; wait 2>/dev/null' EXIT

# Openbox is up once it publishes the work area; the tests still check that it maximises
# a window before they rely on it.
for _ in $(seq 200); do
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q '=' && break
    sleep 0.05
done
QT_QPA_PLATFORM=xcb "$@"

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

# The window manager announces itself on the root window once it manages windows.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
QT_QPA_PLATFORM=xcb "$@"

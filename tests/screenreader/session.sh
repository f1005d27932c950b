#!/usr/bin/env bash
# Runs inside `xvfb-run -a dbus-run-session --`: starts the accessibility bus of the session,
# a window manager if there is one, the game with its accessibility bridge always on, and
# then the screen reader's side in Python. Usage: session.sh GAME_PROGRAM
set -euo pipefail
game=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# The window manager gives the game's window the keyboard: it must be ready before the
# window maps, or no one does. It may find the fresh server not yet answering: try again.
window_manager_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
for _ in 1 2 3; do
    openbox 2>/dev/null &
    manager=$!
    for _ in $(seq 40); do
        window_manager_ready && break 2
        kill -0 "$manager" 2>/dev/null || break
        sleep 0.05
    done
    kill "$manager" 2>/dev/null || true
done
window_manager_ready || { echo "FAIL: no window manager" >&2; exit 1; }
pids+=("$manager")

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
# A real X window, whatever the caller's test environment said.
unset QT_QPA_PLATFORM
"$game" &
pids+=($!)

# Debian's Python, where python3-pyatspi lives, whatever python3 is first on the PATH.
/usr/bin/python3 "$here/read_game.py"

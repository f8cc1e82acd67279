#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a test of window places on a virtual display of its own with a window manager that draws
# frames, as a desktop does: the frames' sizes are known only from the window manager.
#
#   with-window-manager.sh TEST [ARGUMENT...]     exits with TEST's status; 77 without Xvfb or openbox
set -u
command -v xvfb-run >/dev/null && command -v openbox >/dev/null || exit 77

# Inside the display: the window manager first, and the test once it has taken the screen.
if [ "${1:-}" = --inside ]; then
    shift
    openbox --sm-disable --config-file /dev/null &
    manager=$!
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        tries=$((tries + 1))
        [ "$tries" -gt 100 ] && { kill "$manager"; exit 1; }
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb "$@"
    status=$?
    kill "$manager"
    exit "$status"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" --inside "$@"

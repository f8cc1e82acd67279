#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Looking a word up from another program, on an X display (Xvfb) and a session bus of this run's
# own, whose service folder holds a service file for the built program, as the package installs one
# for the installed program. First with the program not running: the bus starts it for
# `slovnik-cli show`, the window shows the word, a second program started beside it stays off the
# bus. Then LookUpTest, the program's windows inside the test itself. With --wayland the same runs
# natively on Wayland, in a headless weston instead of Xvfb, without the cases that need X clients.
#
#   run-on-private-bus.sh [--wayland] LOOKUP_TEST PROGRAM SLOVNIK_CLI SELECTION_OWNER
#                                           exit 0 passed, 1 failed, 77 skipped
set -euo pipefail

wayland=0
if [[ ${1:-} == --wayland ]]; then
    wayland=1
    shift
fi
test_binary=${1:?look-up test} program=${2:?program} cli=${3:?slovnik-cli} owner=${4:?selection owner}
readonly service=io.github.slovnik_app.slovnik
readonly window_title='Anglicko - český slovnik'
# A window or a process that has not come after this long will not come.
readonly patience_seconds=60

skip() {
    echo "SKIP: $1 (Debian packages: $2)"
    exit 77
}
for tool in dbus-daemon dbus-send; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed" dbus
done
if [[ $wayland -eq 0 ]]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed" "xvfb xauth xdotool"
    done
    if [[ -z ${SLOVNIK_BUS_TEST_DISPLAY:-} ]]; then
        exec env SLOVNIK_BUS_TEST_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
    fi
else
    command -v weston >/dev/null 2>&1 || skip "weston is not installed" weston
    compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null \
        || skip "Qt's Wayland platform is not installed" qt6-wayland
fi

work=$(mktemp -d)
started=()
compositor=
finish() {
    for pid in "${started[@]}" $compositor; do kill "$pid" 2>/dev/null || true; done
    kill "${bus_pid:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

# The bus and the programs it starts get the display and the platform from here.
export LC_ALL=C.UTF-8
if [[ $wayland -eq 0 ]]; then
    export QT_QPA_PLATFORM=xcb
else
    export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=slovnik-test-$$
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config \
        >"$work/weston.log" 2>&1 &
    compositor=$!
    for _ in $(seq 100); do
        [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break
        sleep 0.1
    done
    [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] || { cat "$work/weston.log"; skip "weston did not start" weston; }
fi
bus=$(bash "$(dirname "$0")/start-private-bus.sh" "$work" "$program")
bus_pid=$(sed -n 2p <<<"$bus")
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")

status=0
fail() {
    echo "FAILED: $1"
    status=1
}
owner_pid() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$service" 2>/dev/null | awk '{ print $2 }'
}

echo "== show while the program is not running: the bus starts it"
if [[ $wayland -eq 1 ]]; then
    # A token as a launcher passes one; the compositor decides what it allows.
    if XDG_ACTIVATION_TOKEN=slovnik-test "$cli" show dog; then
        first=$(owner_pid)
        [[ -n $first ]] || fail "no program owns the bus name"
        kill "$first"
    else
        fail "slovnik-cli show dog exited with $? while the program was not running"
    fi
elif "$cli" show dog; then
    first=$(owner_pid)
    started+=("$first")
    timeout "$patience_seconds" xdotool search --sync --onlyvisible --name "$window_title" >/dev/null \
        || fail "no dictionary window came up"
    # The query box has the focus; selecting its text makes it the selection, which another
    # client reads back. A window just shown may not have taken the focus or the key yet, however
    # busy the machine: asked again until the patience runs out.
    query=
    for _ in $(seq $((patience_seconds * 5))); do
        xdotool key ctrl+a
        query=$("$owner" --print)
        [[ $query == dog ]] && break
        sleep 0.2
    done
    [[ $query == dog ]] || fail "the query box holds '$query', not 'dog'"

    echo "== a second program started beside the first stays off the bus"
    "$program" &
    started+=("$!")
    for _ in $(seq "$patience_seconds"); do
        [[ $(xdotool search --onlyvisible --name "$window_title" | wc -l) -ge 2 ]] && break
        sleep 1
    done
    [[ $(xdotool search --onlyvisible --name "$window_title" | wc -l) -ge 2 ]] || fail "the second program showed no window"
    [[ $(owner_pid) == "$first" ]] || fail "the second program took the bus name"
    for pid in "${started[@]}"; do kill "$pid"; done
    started=()
else
    fail "slovnik-cli show dog exited with $? while the program was not running"
fi

echo "== the windows in the test"
"$test_binary" || status=1
exit $status

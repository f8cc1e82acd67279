#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The program's windows as a screen reader meets them: the program runs on a virtual display with
# its accessibility bridge on, in a D-Bus session of its own with the AT-SPI bus, and bus_test.py
# reads and drives it through pyatspi, as Orca does.
#
#   run-on-bus.sh PROGRAM     exit 0 passed, 1 failed, 77 skipped (the bus cannot start here)
set -euo pipefail

program=${1:?program}
here=$(dirname "$0")
# Debian's interpreter: the bindings are its package, not one a user's Python may hold.
python=/usr/bin/python3

skip() {
    echo "SKIP: $1 (Debian packages: python3-pyatspi at-spi2-core dbus dbus-x11 xvfb xauth xdotool)"
    exit 77
}
for tool in xvfb-run dbus-run-session xdotool; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x "$python" ] && "$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi is not installed"
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "at-spi-bus-launcher is not installed"

# A fresh home and runtime folder: the bus puts its socket there, and nothing of the user's is read.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- "$python" "$here/bus_test.py" "$launcher" "$program"

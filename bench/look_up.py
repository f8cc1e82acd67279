#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""A look-up from another program as the learner's key runs it: from the start of
`slovnik-cli show WORD` to its exit, which comes once the dictionary window has run the query and
holds the lines (their paint follows in the same turn of its event loop). On a session bus of its
own whose service folder starts the built program, under Xvfb:

    xvfb-run -a python3 bench/look_up.py build/app/slovnik build/tools/cli/slovnik-cli [RUNS]

Two figures over RUNS calls each (default 15), minimum, median and maximum: with the program
running, and with the program started by the bus for the call (cold: the start, the window drawn,
the bus joined, the look-up)."""

import os
import subprocess
import sys
import tempfile
import time

import timing

SERVICE = "io.github.slovnik_app.slovnik"
WORDS = ["dog", "house", "garden", "zahrada", "walk", "pes"]
# The bus the test of the look-up starts, with the built program as its service.
START_BUS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "bus", "start-private-bus.sh")


def start_bus(work, program):
    out = subprocess.run(["bash", START_BUS, work, program], check=True, capture_output=True,
                         text=True).stdout.split()
    return out[0], int(out[1])


def program_pid():
    out = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                          "/org/freedesktop/DBus", "org.freedesktop.DBus.GetConnectionUnixProcessID",
                          f"string:{SERVICE}"], capture_output=True, text=True).stdout.split()
    return int(out[1]) if len(out) == 2 else None


def end_program():
    pid = program_pid()
    if pid is None:
        return
    os.kill(pid, 15)
    while program_pid() is not None:
        time.sleep(0.05)


def timed_show(cli, word):
    return timing.timed_ms([cli, "show", word], check=True)


def report(name, values):
    print(f"{name}: {timing.spread(values, counted='calls')}")


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    program, cli = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    with tempfile.TemporaryDirectory() as work:
        for folder in ("home", "runtime"):
            os.mkdir(os.path.join(work, folder), 0o700)
        os.environ.update(HOME=os.path.join(work, "home"), XDG_RUNTIME_DIR=os.path.join(work, "runtime"),
                          QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        address, bus_pid = start_bus(work, program)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        try:
            cold = []
            for run in range(runs):
                end_program()
                cold.append(timed_show(cli, WORDS[run % len(WORDS)]))
            running = [timed_show(cli, WORDS[run % len(WORDS)]) for run in range(runs)]
            end_program()
        finally:
            os.kill(bus_pid, 15)
    report("look-up, program running", running)
    report("look-up, program started by the bus", cold)


if __name__ == "__main__":
    main()

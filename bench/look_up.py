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
import statistics
import subprocess
import sys
import tempfile
import time

SERVICE = "io.github.slovnik_app.slovnik"
WORDS = ["dog", "house", "garden", "zahrada", "walk", "pes"]
BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={work}</listen>
  <servicedir>{work}/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


def start_bus(work, program):
    os.mkdir(os.path.join(work, "services"))
    with open(os.path.join(work, "services", SERVICE + ".service"), "w") as service:
        service.write(f"[D-BUS Service]\nName={SERVICE}\nExec={program}\n")
    with open(os.path.join(work, "bus.conf"), "w") as config:
        config.write(BUS_CONFIG.format(work=work))
    out = subprocess.run(["dbus-daemon", f"--config-file={work}/bus.conf", "--fork", "--print-address=1",
                          "--print-pid=1"], check=True, capture_output=True, text=True).stdout.split()
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
    begin = time.perf_counter()
    subprocess.run([cli, "show", word], check=True)
    return (time.perf_counter() - begin) * 1000


def report(name, values):
    print(f"{name}: min {min(values):.0f} ms, median {statistics.median(values):.0f} ms, "
          f"max {max(values):.0f} ms ({len(values)} calls)")


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

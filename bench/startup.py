#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Start-up of the program as a user sees it: from the process start to the dictionary window
mapped on the X display, and the resident memory at that moment. Run under Xvfb:

    xvfb-run -a python3 bench/startup.py build/app/slovnik [RUNS] [BARE_WINDOW]

Prints the minimum, median and maximum of each figure over RUNS starts (default 15). With
BARE_WINDOW (build/bench/bare_window: a plain Qt window with a combo box and a list), that
program is started alternately with the dictionary, so that both see the same machine, and the
ratios of the medians are printed: the program against the floor Qt itself sets."""

import ctypes
import ctypes.util
import os
import statistics
import subprocess
import sys
import time

import timing

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


def open_x():
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("startup.py: no X display (run it under xvfb-run)")
    return xlib, display


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_start(program, xlib, display):
    root = xlib.XDefaultRootWindow(display)
    xlib.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
    xlib.XFlush(display)
    started = time.perf_counter()
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    event = XEvent()
    try:
        while True:
            xlib.XNextEvent(display, ctypes.byref(event))
            # The program's only ordinary top-level window that maps at start is the dictionary
            # window (its caption is set as UTF-8, which the plain WM_NAME query cannot read).
            if event.type == MAP_NOTIFY and not event.xmap.override_redirect:
                shown = time.perf_counter() - started
                return shown * 1000.0, resident_kib(process.pid) / 1024.0
    finally:
        process.terminate()
        process.wait()


def report(name, times, memory):
    for label, values, unit in (("start to window shown", times, "ms"),
                                ("resident memory then", memory, "MiB")):
        print(f"{name}: {label}: {timing.spread(values, unit, digits=1)}")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    programs = [os.path.abspath(sys.argv[1])]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    if len(sys.argv) > 3:
        programs.append(os.path.abspath(sys.argv[3]))
    xlib, display = open_x()
    figures = {program: ([], []) for program in programs}
    for _ in range(runs):
        for program in programs:
            shown_ms, rss_mib = one_start(program, xlib, display)
            figures[program][0].append(shown_ms)
            figures[program][1].append(rss_mib)
    for program in programs:
        report(os.path.basename(program), *figures[program])
    if len(programs) == 2:
        ours, bare = (figures[program] for program in programs)
        print(f"ratio to the bare window: time {statistics.median(ours[0]) / statistics.median(bare[0]):.2f}, "
              f"memory {statistics.median(ours[1]) / statistics.median(bare[1]):.2f}")


if __name__ == "__main__":
    main()

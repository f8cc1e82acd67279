# SPDX-License-Identifier: GPL-2.0-or-later
"""What the benchmarks that time whole processes share: the time one command takes, and how a
figure's values spread."""

import statistics
import subprocess
import time


def timed_ms(command, **run):
    """Milliseconds from the start of `command` to its exit; `run` goes to subprocess.run."""
    started = time.perf_counter()
    subprocess.run(command, **run)
    return (time.perf_counter() - started) * 1000.0


def spread(values, unit="ms", digits=0, counted="runs"):
    """The minimum, median and maximum of `values` and how many there are, in one line's words."""
    return (f"min {min(values):.{digits}f} {unit}, median {statistics.median(values):.{digits}f} {unit}, "
            f"max {max(values):.{digits}f} {unit} ({len(values)} {counted})")

# SPDX-License-Identifier: GPL-2.0-or-later
"""Run its scripts from the repository root as modules: python3 -m tools.spelling.SCRIPT."""

import sys

# Keep the source tree free of bytecode caches: the modules this package imports are not cached.
sys.dont_write_bytecode = True

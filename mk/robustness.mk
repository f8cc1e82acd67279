# SPDX-License-Identifier: GPL-2.0-or-later
# Whole-process checks of the program, with the driver in tests/system/ that plays a learner's
# session with the real windows on Qt's offscreen platform. Included from the Makefile.
#
#   make valgrind     the start and a search, then a whole session, under Valgrind's memcheck:
#                     a definite leak or any memory error fails it
#   make no-writes    the strace test: nothing written to disk, no network socket (also in `make test`)

# Including this file must not change what a bare `make` does.
robustness_default_goal := $(.DEFAULT_GOAL)

# Debian 12 packages these checks need on top of PACKAGES. Without strace the CTest test skips.
ROBUSTNESS_PACKAGES := strace valgrind

SESSION_DRIVER := $(BUILD_DIR)/tests/system/session_driver
VALGRIND_FLAGS := --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=1 \
                  --num-callers=30 --suppressions=tests/system/valgrind.supp
SESSION_ENV := QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
FRESH_HOME := tests/support/fresh-home.sh

.PHONY: valgrind no-writes robustness-deps

# Each run in a home and runtime folder of its own, as the tests run.
valgrind: build robustness-deps
	$(SESSION_ENV) $(FRESH_HOME) valgrind $(VALGRIND_FLAGS) $(SESSION_DRIVER) search
	$(SESSION_ENV) $(FRESH_HOME) valgrind $(VALGRIND_FLAGS) $(SESSION_DRIVER) session

no-writes: build robustness-deps
	cd $(BUILD_DIR) && $(SESSION_ENV) ctest -R '^system_no_writes$$' --output-on-failure

robustness-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(ROBUSTNESS_PACKAGES)"

.DEFAULT_GOAL := $(robustness_default_goal)

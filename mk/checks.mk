# SPDX-License-Identifier: GPL-2.0-or-later
# Robustness checks: the test suite under AddressSanitizer + UndefinedBehaviorSanitizer, and the
# libFuzzer harnesses. Included from the Makefile; the builds come from CMakePresets.json.
#
#   make test-asan                 whole test suite, any sanitizer report fails it; but the look-ups
#                                  over a private session bus (bus_look_up*), which drive the program
#                                  against real X and Wayland servers on timings an instrumented
#                                  build misses and whose client libraries keep allocations to the
#                                  end; they run in make test
#   make fuzz [FUZZ_SECONDS=60]    each harness for FUZZ_SECONDS on a scratch copy of its seeds
#   make format                    formats every C++ file with the project's .clang-format
#   make format-check              fails, listing the files, when any C++ file is not formatted

# Including this file must not change what a bare `make` does.
checks_default_goal := $(.DEFAULT_GOAL)

# Debian 12 packages the fuzz build needs on top of PACKAGES (the sanitized gcc build needs none).
CHECK_PACKAGES := clang-14 libclang-rt-14-dev clang-format

FUZZ_SECONDS ?= 60
FUZZERS := fuzz_wordforms fuzz_queryrun fuzz_suggest fuzz_translator fuzz_codec fuzz_baseforms
FUZZ_DIR := build-fuzz
FUZZ_RUNS := $(FUZZ_DIR)/fuzz-runs
JOBS ?= $(shell nproc)

CXX_SOURCES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: test-asan fuzz fuzz-build check-deps format format-check

format: check-deps
	clang-format -i $(CXX_SOURCES)

format-check: check-deps
	clang-format --dry-run --Werror $(CXX_SOURCES)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

fuzz-build: deps check-deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

# New inputs the fuzzer finds go to the scratch copy, never into the committed seeds; a crash
# leaves its input beside the copy and stops make with the harness's failure.
fuzz: fuzz-build
	@set -e; for fuzzer in $(FUZZERS); do \
	    run=$(FUZZ_RUNS)/$$fuzzer; \
	    rm -rf $$run; mkdir -p $$run/corpus; \
	    cp tests/fuzz/corpus/$$fuzzer/* $$run/corpus/; \
	    echo "== $$fuzzer for $(FUZZ_SECONDS) s"; \
	    $(FUZZ_DIR)/tests/fuzz/$$fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 \
	        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=$$run/ $$run/corpus \
	        >$$run/log.txt 2>&1 || { tail -n 60 $$run/log.txt; echo "$$fuzzer failed; see $$run/"; exit 1; }; \
	    grep -E '^Done|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' $$run/log.txt; \
	done

check-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(CHECK_PACKAGES)"

.DEFAULT_GOAL := $(checks_default_goal)

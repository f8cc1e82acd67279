# SPDX-License-Identifier: GPL-2.0-or-later
# Set-up and everyday commands; see README.md. Each target installs what is missing first.

# The release preset's build folder (CMakePresets.json).
BUILD_DIR := build
JOBS      ?= $(shell nproc)
CMAKE_FLAGS ?=

# Debian 12 packages the build, the tests and the benchmarks need: help2man writes slovnik-cli's
# manual page, the speech tests play into a PulseAudio server of their own, and the look-up tests
# run in a headless weston too; the word-list scripts' tests sort with ICU (python3-icu).
# A test holds the code page's letters to Unicode's names for them (libicu-dev).
PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation \
            libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3 strace \
            qt6-multimedia-dev flite1-dev libpulse-dev help2man pulseaudio pulseaudio-utils \
            python3-pyatspi at-spi2-core dbus dbus-x11 xdotool openbox x11-utils libglib2.0-bin \
            weston qt6-wayland python3-icu libicu-dev
# Only a maintainer who regenerates the word list needs these.
WORDLIST_PACKAGES := python3 python3-icu dict-freedict-eng-ces python3-zxcvbn wordnet-base scowl hunspell hunspell-cs
# Only a maintainer who regenerates the Czech forms (after a change of the word list) needs these.
FORMS_PACKAGES := python3 hunspell-cs

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: run test bench build deps wordlist wordlist-deps czech-forms clean

run: build
	$(BUILD_DIR)/app/slovnik

test: build
	ctest --preset release -j $(JOBS)

bench: build
	cmake --build --preset release --target slovnik_benchmarks -j $(JOBS)
	$(BUILD_DIR)/bench/descramble_bench
	$(BUILD_DIR)/bench/search_bench
	$(BUILD_DIR)/bench/suggest_bench
	$(BUILD_DIR)/bench/base_forms_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/dictionary_window_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/translator_bench -median 5
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/best_reading_bench -median 5
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/speech_bench -median 9
	xvfb-run -a python3 bench/startup.py $(BUILD_DIR)/app/slovnik 15 $(BUILD_DIR)/bench/bare_window
	xvfb-run -a python3 bench/look_up.py $(BUILD_DIR)/app/slovnik $(BUILD_DIR)/tools/cli/slovnik-cli 15
	python3 bench/cli_lookup.py $(BUILD_DIR)/tools/cli/slovnik-cli

build: $(BUILD_DIR)/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)

# Configured once; from then on the build runs CMake again itself when a CMakeLists.txt changed.
# A change of the presets, or CMAKE_FLAGS given, configures again.
$(BUILD_DIR)/CMakeCache.txt: CMakePresets.json | deps
	cmake --preset release $(CMAKE_FLAGS)
ifneq ($(strip $(CMAKE_FLAGS)),)
.PHONY: $(BUILD_DIR)/CMakeCache.txt
endif

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -q && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

# The list is chosen with the program's own query rules and checked with its own engine, built
# with the new list.
wordlist: wordlist-deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build --preset release --target slovnik-queryrules -j $(JOBS)
	python3 -m tools.wordlist.make_wordlist
	cmake --build --preset release --target slovnik-wordcheck -j $(JOBS)
	python3 -m tools.wordlist.coverage $(BUILD_DIR)/tools/wordlist/slovnik-wordcheck

wordlist-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WORDLIST_PACKAGES)"

# The Czech forms behind the base forms, rewritten from hunspell-cs for the current word list.
czech-forms:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FORMS_PACKAGES)"
	python3 -m tools.forms.make_czech_forms

clean:
	rm -rf $(BUILD_DIR)

include mk/checks.mk
include mk/robustness.mk
include mk/desktop.mk

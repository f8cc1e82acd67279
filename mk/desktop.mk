# SPDX-License-Identifier: GPL-2.0-or-later
# The program as a Linux desktop application: its Debian package, the checks of that package, and
# the README's screenshots. Included from the Makefile.
#
#   make package          builds $(BUILD_DIR)/slovnik_<version>_<arch>.deb with CPack
#   make package-check    builds it and checks its contents, dependencies, desktop entry and
#                         metainfo, runs lintian, installs it into a scratch root and looks a word
#                         up with the installed slovnik-cli
#   make screenshots      runs the program's windows under Xvfb and saves them as docs/*.png

# Including this file must not change what a bare `make` does.
desktop_default_goal := $(.DEFAULT_GOAL)

# Debian 12 packages these targets need on top of PACKAGES: CPack's dependency list comes from
# dpkg-shlibdeps (dpkg-dev), which reads file types with `file`; the validators of the menu entry,
# the AppStream metainfo and the package itself (lintian); Xvfb for the screenshots.
DESKTOP_PACKAGES := dpkg-dev file appstream desktop-file-utils lintian xvfb xauth

SCREENSHOT_DIR ?= docs
# A screen like a small laptop's, so that the translator window, as tall as the screen, stays small.
SCREENSHOT_SCREEN ?= 1024x640x24

.PHONY: package package-check screenshots desktop-deps

package: build desktop-deps
	cmake --build $(BUILD_DIR) --target package

package-check: package
	tests/package/check-package.sh $$(ls -t $(BUILD_DIR)/slovnik_*.deb | head -n 1)

screenshots: build desktop-deps
	cmake --build --preset release --target slovnik-screenshots -j $(JOBS)
	xvfb-run -a -s "-screen 0 $(SCREENSHOT_SCREEN)" $(BUILD_DIR)/tools/screenshots/slovnik-screenshots $(SCREENSHOT_DIR)

desktop-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(DESKTOP_PACKAGES)"

.DEFAULT_GOAL := $(desktop_default_goal)

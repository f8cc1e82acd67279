#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a test in a home and a runtime folder of its own, made empty for this run and removed after
# it, so that the program, slovnik-cli and the sound client library meet what a user who has never
# run anything meets: the same on every machine, first run or hundredth.
#
#   fresh-home.sh COMMAND [ARGUMENT...]     exits with COMMAND's status
set -u

folder=$(mktemp -d "${TMPDIR:-/tmp}/slovnik-test.XXXXXX") || exit 1
trap 'rm -rf "$folder"' EXIT
trap 'exit 143' TERM INT HUP
mkdir -m 700 "$folder/home" "$folder/runtime" || exit 1
HOME=$folder/home
XDG_RUNTIME_DIR=$folder/runtime
export HOME XDG_RUNTIME_DIR
# The other folders follow the home.
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME

"$@"

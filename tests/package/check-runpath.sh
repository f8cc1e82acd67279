#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks the run paths of built or installed programs and libraries: an empty entry (a leading,
# trailing or doubled ":") makes the dynamic loader search the current folder, so that a library
# lying there would be loaded in place of ours. With --origin-only every entry must also be
# relative to the file's own folder ($ORIGIN), as installed files must not name the build tree.
#
#   tests/package/check-runpath.sh [--origin-only] FILE...
#
# Needs readelf (binutils). Prints each file's run path; the exit status is 1 if any is wrong.
set -eu

origin_only=false
if [ "${1:-}" = --origin-only ]; then
    origin_only=true
    shift
fi
if [ $# -eq 0 ]; then
    echo "usage: $0 [--origin-only] FILE..." >&2
    exit 2
fi

status=0
for file in "$@"; do
    if [ ! -f "$file" ]; then
        echo "$file: no such file"
        status=1
        continue
    fi
    # "Library runpath: [a:b]" or "Library rpath: [a:b]"; nothing when the file has none.
    paths=$(readelf -d "$file" | sed -n 's/.*Library r\(un\)\{0,1\}path: \[\(.*\)\]$/\2/p')
    echo "$file: ${paths:-no run path}"
    [ -n "$paths" ] || continue
    case ":$paths:" in
    *::*)
        echo "  an empty entry: the loader would search the current folder"
        status=1
        ;;
    esac
    if $origin_only; then
        for entry in $(echo "$paths" | tr ':' ' '); do
            case $entry in
            '$ORIGIN' | '$ORIGIN/'*) ;;
            *)
                echo "  $entry is not relative to the file's folder"
                status=1
                ;;
            esac
        done
    fi
done
exit $status

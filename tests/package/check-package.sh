#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks a built Debian package of slovnik as a desktop would take it: the files it installs, the
# dependencies that let apt install it on a fresh Debian 12, a program that finds its module
# library, a menu entry and AppStream description that the freedesktop validators accept, what
# lintian says of it, and slovnik-cli installed by dpkg into a scratch root, looking a word up.
#
#   tests/package/check-package.sh build/slovnik_<version>_<arch>.deb
#
# Needs dpkg-deb, desktop-file-validate (desktop-file-utils), appstreamcli (appstream), lintian,
# ldd and strings (binutils).
# Every check runs; the last line counts them, and the exit status is 1 if any failed.
set -eu

app_id=io.github.slovnik_app.slovnik

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 path/to/slovnik_<version>_<arch>.deb" >&2
    exit 2
fi
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok      $1"; }
fail() { failed=$((failed + 1)); echo "FAILED  $1"; }
check() { # description, then the command that must succeed
    description=$1
    shift
    if "$@" >"$work/output" 2>&1; then pass "$description"; else fail "$description"; sed 's/^/        /' "$work/output"; fi
}

dpkg-deb -x "$deb" "$root"
# Paths only: a symbolic link's line ends in "-> target".
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
field() { dpkg-deb -f "$deb" "$1"; }

has_path() { grep -Eqx "$1" "$work/contents"; }
check "contents: the program in /usr/bin" has_path '\./usr/bin/slovnik'
check "contents: the module library in a private folder" has_path '\./usr/lib/([^/]+/)?slovnik/libMorvella\.so\.0'
check "contents: the audio module in the private folder" has_path '\./usr/lib/([^/]+/)?slovnik/libslovnik-audio\.so'
check "contents: the desktop entry" has_path "\./usr/share/applications/$app_id\.desktop"
check "contents: the scalable icon" has_path '\./usr/share/icons/hicolor/scalable/apps/slovnik\.svg'
check "contents: the D-Bus service file" has_path "\./usr/share/dbus-1/services/$app_id\.service"
check "contents: the AppStream metainfo" has_path "\./usr/share/metainfo/$app_id\.metainfo\.xml"
check "contents: the command-line tool in /usr/bin" has_path '\./usr/bin/slovnik-cli'
check "contents: the command-line tool's commands in the private folder" has_path '\./usr/lib/([^/]+/)?slovnik/slovnik-cli'
check "contents: the copyright file" has_path '\./usr/share/doc/slovnik/copyright'
check "contents: the changelog" has_path '\./usr/share/doc/slovnik/changelog\.gz'
for page in slovnik slovnik-cli; do
    check "contents: the manual page $page.1" has_path "\./usr/share/man/man1/$page\.1\.gz"
done
no_build_leftovers() {
    grep -Ev '/slovnik/libslovnik-audio\.so$' "$work/contents" \
        | { ! grep -E '/include/|\.a$|\.so$|/slovnik-(screenshots|tablegen)$|Test$|_bench$|^\./usr/(local|src)/'; }
}
check "contents: nothing for developers or the build" no_build_leftovers

check "control: package slovnik" test "$(field Package)" = slovnik
depends=$(field Depends)
depends_on() { echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$1"; }
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libqt6multimedia6 libflite1; do
    check "control: depends on $package" depends_on "$package"
done
# Every dependency must be a package that apt can find (the suite Debian 12 ships).
installable() {
    for package in $(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//'); do
        apt-cache show "$package" >/dev/null 2>&1 || { echo "no package $package"; return 1; }
    done
}
check "control: every dependency is known to apt" installable
release_matches() {
    grep -q "<release version=\"$(field Version)\"" "$root/usr/share/metainfo/$app_id.metainfo.xml"
}
check "control: the version has its release in the metainfo" release_matches
changelog_matches() {
    gzip -dc "$root/usr/share/doc/slovnik/changelog.gz" | head -n 1 | grep -qF "slovnik ($(field Version))"
}
check "control: the version is the changelog's latest" changelog_matches

finds_module() {
    ldd "$root/usr/bin/slovnik" >"$work/ldd"
    cat "$work/ldd"
    ! grep -q 'not found' "$work/ldd" && grep -q "libMorvella.so.0 => $root/usr/bin/../lib/" "$work/ldd"
}
check "program: finds its module library in the package" finds_module
# Installed files name their folders relative to themselves, and no empty entry makes the loader
# search the current folder.
runpaths() {
    set -- "$root/usr/bin/slovnik" "$root/usr/bin/slovnik-cli"
    for library in "$root"/usr/lib/*/slovnik/*.so* "$root"/usr/lib/*/slovnik/slovnik-cli "$root"/usr/lib/slovnik/*; do
        if [ -f "$library" ] && [ ! -L "$library" ]; then set -- "$@" "$library"; fi
    done
    "$(dirname "$0")/check-runpath.sh" --origin-only "$@"
}
check "programs: run paths relative to the program, no empty entries" runpaths
# The audio module is loaded by a path relative to the program, the first time a word is read aloud.
finds_audio_module() {
    # The path is kept as UTF-16 text.
    relative=$(strings -e l "$root/usr/bin/slovnik" | grep -oE '\.\./lib/([^/]+/)?slovnik/libslovnik-audio\.so' | head -n 1)
    echo "the program looks for ${relative:-no audio module}"
    [ -n "$relative" ] && [ -f "$root/usr/bin/$relative" ]
}
check "program: finds its audio module in the package" finds_audio_module
# slovnik-cli hands every command but a plain look-up to the full tool, by a path relative to itself.
finds_cli_commands() {
    relative=$(strings "$root/usr/bin/slovnik-cli" | grep -oE '^\.\./lib/([^/]+/)?slovnik/slovnik-cli$' | head -n 1)
    echo "slovnik-cli looks for ${relative:-no full tool}"
    [ -n "$relative" ] && [ -x "$root/usr/bin/$relative" ]
}
check "program: slovnik-cli finds its full tool in the package" finds_cli_commands
# Wayland joins windows to their menu entry by this name, which the program sets itself.
check "program: names itself after the desktop entry" grep -qa "$app_id" "$root/usr/bin/slovnik"

entry=$root/usr/share/applications/$app_id.desktop
check "desktop entry: desktop-file-validate" desktop-file-validate "$entry"
# The main group's value; the actions' groups have their own Exec and Name.
entry_value() { sed -n "/^\[Desktop Entry\]/,/^\[Desktop Action/ s/^$1=//p" "$entry"; }
check "desktop entry: Exec is the packaged program" test -x "$root/usr/bin/$(entry_value Exec | cut -d' ' -f1)"
check "desktop entry: Icon is the packaged icon" test -f "$root/usr/share/icons/hicolor/scalable/apps/$(entry_value Icon).svg"
in_categories() { entry_value Categories | tr ';' '\n' | grep -qx "$1"; }
check "desktop entry: in Education" in_categories Education
check "desktop entry: in Dictionary" in_categories Dictionary
check "desktop entry: a Czech comment" test -n "$(sed -n 's/^Comment\[cs\]=//p' "$entry")"
check "desktop entry: D-Bus activatable" test "$(entry_value DBusActivatable)" = true
service=$root/usr/share/dbus-1/services/$app_id.service
service_starts_program() {
    grep -qx "Name=$app_id" "$service" && grep -qx 'Exec=/usr/bin/slovnik' "$service"
}
check "D-Bus service: starts the packaged program under the entry's name" service_starts_program

check "metainfo: appstreamcli validate" appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
check "metainfo: appstreamcli validate-tree" appstreamcli validate-tree --no-net "$root"

# Informational notes may stay; they are shown with the result.
if lintian --fail-on error,warning --display-info "$deb" >"$work/lintian" 2>&1; then
    pass "lintian: no errors, no warnings"
else
    fail "lintian: no errors, no warnings"
fi
grep -v 'running with root privileges' "$work/lintian" | sed 's/^/        /'

# dpkg's own installation, into an empty root of its own; the libraries the package depends on
# come from this machine. The tool runs in a home and runtime folder of its own, made for the run.
installed=$work/installed
installs() {
    mkdir -p "$installed/var/lib/dpkg/info" "$installed/var/lib/dpkg/updates"
    touch "$installed/var/lib/dpkg/status"
    dpkg --root="$installed" --log=/dev/null --force-depends --force-not-root \
        --install "$deb"
}
check "installed: dpkg installs the package into a scratch root" installs
installed_cli() {
    "$(dirname "$0")/../support/fresh-home.sh" "$installed/usr/bin/slovnik-cli" "$@"
}
looks_up() {
    installed_cli lookup --en-cs dogs >"$work/dogs"
    cat "$work/dogs"
    grep -qx 'dogs = psi' "$work/dogs" && grep -qx 'dog = pes' "$work/dogs"
}
check "installed: slovnik-cli lookup --en-cs dogs" looks_up
check "installed: slovnik-cli --version is the package's" \
    test "$(installed_cli --version)" = "slovnik-cli $(field Version)"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Nothing written, nothing sent: runs a learner's session (start, search, translation, copy) with the
# program's real windows, and a start of the program itself, under strace, and fails on any file
# opened for writing or changed on disk outside the platform's own runtime files, on any network
# socket, on any other program started (a helper could write or send in its place), and on the
# voice or the audio libraries loaded although nothing was read aloud.
#
#   no-writes.sh SESSION_DRIVER PROGRAM     exit 0 clean, 1 a write or a socket, 77 no strace
#
# The program also starts once on X11 (Xvfb) in a session without a D-Bus session bus, where it
# must neither start a bus nor connect to one.
#
# Both runs get a home and a runtime folder of their own, made empty for this run: what a user who
# has never run anything meets, on every machine and every run.
#
# The platform comes from QT_QPA_PLATFORM: CTest uses offscreen, which needs no display server;
# run it under xvfb-run with QT_QPA_PLATFORM=xcb to see what the X11 platform adds.
set -euo pipefail

driver=${1:?session driver}
program=${2:?program}

if ! command -v strace >/dev/null 2>&1; then
    echo "SKIP: strace is not installed (Debian package strace; make robustness-deps)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
runtime=$work/runtime
mkdir -m 700 "$home" "$runtime"
export HOME=$home XDG_RUNTIME_DIR=$runtime
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME

# A program that never stops by itself is ended after this long; what it did until then is checked.
readonly start_seconds=5

# A path as an extended regular expression that matches it alone.
literal() {
    sed -E 's/[][\\.*^$+?(){}|]/\\&/g' <<<"$1"
}

# Paths the platform's own libraries may write, each as an extended regular expression.
allowed_writes=(
    # Qt's runtime folder, which QStandardPaths makes when missing.
    "^$(literal "$runtime")$"
    # Where output is thrown away.
    '^/dev/null$'
    # X11 shared-memory images (MIT-SHM) of the xcb platform.
    '^/dev/shm/'
    # fontconfig rebuilds its cache of the installed fonts when they changed since the last one.
    '^/var/cache/fontconfig/'
    "^$(literal "$home")/\.cache(/fontconfig(/.*)?)?$"
)

# Local sockets the platform may connect to, as extended regular expressions of the socket's path.
allowed_local_sockets=(
    # glibc's name-service cache, asked for the user's home directory; absent on most machines.
    '^/(var/)?run/nscd/socket$'
    # The X server of the xcb platform (abstract and file sockets).
    '^@?/tmp/\.X11-unix/X[0-9]+$'
)

# Libraries that only reading a word aloud may load: the voice, Qt Multimedia and the sound
# server's client. A session that never asks for a word to be heard never opens them, and so
# cannot have connected to the sound server either.
speech_only_libraries='/(libflite[^/]*|libslovnik-audio[^/]*|libQt6Multimedia[^/]*|libpulse[^/]*)$'
# When a word is read aloud: the sound server's local sockets, the user's in the runtime folder and
# the system-wide one (PulseAudio's, which PipeWire also offers), and the folders its client library
# makes for itself when missing: its settings folder in the home and its folder in the runtime folder.
sound_server_sockets=(
    "^$(literal "$runtime")/pulse/native$"
    '^/(var/)?run/pulse/native$'
)
sound_server_writes=(
    "^$(literal "$home")/\.config(/pulse)?$"
    "^$(literal "$runtime")/pulse$"
)
# Set while the log of a session that read a word aloud is checked.
speaking=0

# The programs a run may start: the traced one itself, and timeout, which ends the program's start.
allowed_programs=("$driver" "$program" "$(command -v timeout)")

matches_any() {
    local text=$1
    shift
    local pattern
    for pattern in "$@"; do
        [[ $text =~ $pattern ]] && return 0
    done
    return 1
}

# The quoted paths of one strace line.
paths_of() {
    grep -oE '"([^"\\]|\\.)*"' <<<"$1" | sed -E 's/^"(.*)"$/\1/' || true
}

# Prints every offending call of a log; returns 1 when there is one.
check_log() {
    local log=$1 line call path bad=0
    while IFS= read -r line; do
        call=$(sed -E 's/^[0-9]+ +([a-z0-9_]+)\(.*/\1/' <<<"$line")
        case $call in
            open | openat | openat2 | open_by_handle_at)
                if [[ $speaking -eq 0 ]] && paths_of "$line" | grep -qE "$speech_only_libraries"; then
                    echo "speech without a request: $line"
                    bad=1
                    continue
                fi
                grep -qE 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND' <<<"$line" || continue ;;
            creat | mkdir | mkdirat | rmdir | unlink | unlinkat | rename | renameat | renameat2 | \
                link | linkat | symlink | symlinkat | mknod | mknodat | truncate | chmod | fchmodat | \
                chown | lchown | fchownat | utime | utimes | utimensat | futimesat | \
                setxattr | lsetxattr | removexattr | lremovexattr) ;;
            socket | socketpair | connect | bind | listen | accept | accept4 | sendto | sendmsg | \
                sendmmsg | recvfrom | recvmsg | getsockname | getpeername | setsockopt | getsockopt | shutdown)
                if grep -qE 'AF_(INET6?|NETLINK|PACKET|BLUETOOTH|CAN|VSOCK|TIPC|X25|AX25|IPX|APPLETALK|ROSE|DECnet|IRDA|LLC|IB|MPLS|RDS|SMC|XDP|ALG|KEY)\b' <<<"$line"; then
                    echo "network: $line"
                    bad=1
                elif [[ $call == connect || $call == bind ]] && grep -q 'AF_UNIX' <<<"$line"; then
                    path=$(grep -oE 'sun_path=@?"[^"]*"' <<<"$line" | sed -E 's/^sun_path=(@?)"(.*)"$/\1\2/')
                    if ! matches_any "$path" "${allowed_local_sockets[@]}" \
                        && ! { [[ $speaking -eq 1 ]] && matches_any "$path" "${sound_server_sockets[@]}"; }; then
                        echo "local socket: $line"
                        bad=1
                    fi
                fi
                continue ;;
            execve | execveat)
                path=$(paths_of "$line" | head -n 1)
                if ! printf '%s\n' "${allowed_programs[@]}" | grep -qxF -- "$path"; then
                    echo "another program: $line"
                    bad=1
                fi
                continue ;;
            *) continue ;;
        esac
        while IFS= read -r path; do
            [[ -z $path ]] && continue
            if ! matches_any "$path" "${allowed_writes[@]}" \
                && ! { [[ $speaking -eq 1 ]] && matches_any "$path" "${sound_server_writes[@]}"; }; then
                echo "write: $line"
                bad=1
                break
            fi
        done < <(paths_of "$line")
    done < <(grep -E '^[0-9]+ +[a-z0-9_]+\(' "$log")
    return $bad
}

summarise() {
    local log=$1
    local opened written
    opened=$(grep -cE '^[0-9]+ +(open|openat)\(' "$log" || true)
    written=$(grep -E '^[0-9]+ +(open|openat|creat|mkdir|mkdirat)\(' "$log" \
        | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|mkdir' || true)
    echo "  $opened opens; sockets: $(grep -cE '^[0-9]+ +socket\(' "$log" || true)"
    [[ -n $written ]] && sed 's/^/  write-like call: /' <<<"$written"
    return 0
}

# LeakSanitizer cannot run under ptrace and would fail a sanitized build's session; the test suites
# that run without strace check its leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

readonly trace_options=(-f -qq -e 'trace=%file,%network')
trace() {
    strace "${trace_options[@]}" -o "$@"
}

# Starts the program under strace into LOG, after whatever is given (a display, an environment),
# ends it after start_seconds and checks what it did; returns 1 on anything refused.
check_start() {
    local log=$1 code=0 bad=0
    shift
    "$@" strace "${trace_options[@]}" -o "$log" timeout --signal=TERM "$start_seconds" "$program" || code=$?
    # 124: still running when timeout ended it, as it should be with no one to close its window.
    if [[ $code -ne 124 && $code -ne 0 ]]; then
        echo "the program ended by itself with exit code $code"
        bad=1
    fi
    summarise "$log"
    check_log "$log" || bad=1
    return $bad
}

status=0

echo "== session: start, search, translation, copy; then a word read aloud"
set +e
trace "$work/session.log" "$driver" session speak
code=$?
set -e
if [[ $code -ne 0 ]]; then
    echo "the session did not go as a learner's would (exit code $code)"
    status=1
fi
summarise "$work/session.log"
# The driver marks the start of reading aloud by looking for a file of this name; from there on
# only the sound server's local socket and settings folder are new.
mark=/slovnik-session-driver/reading-aloud-begins
if ! grep -qF "$mark" "$work/session.log"; then
    echo "the session never came to reading a word aloud"
    status=1
fi
awk -v mark="$mark" 'index($0, mark) { exit } { print }' "$work/session.log" >"$work/before.log"
awk -v mark="$mark" 'found { print } index($0, mark) { found = 1 }' "$work/session.log" >"$work/speak.log"
check_log "$work/before.log" || status=1
speaking=1
check_log "$work/speak.log" || status=1
speaking=0

echo "== the program's own start, ended after $start_seconds s"
check_start "$work/start.log" || status=1

# On X11 without a session bus the bus libraries would start one (dbus-launch --autolaunch, which
# writes ~/.dbus and leaves a bus running); the program must keep them from it. The display is
# Xvfb's, started outside the trace.
echo "== the program's start on X11 without a session bus, ended after $start_seconds s"
if command -v xvfb-run >/dev/null 2>&1; then
    check_start "$work/nobus.log" env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb xvfb-run -a || status=1
    if [[ -e $home/.dbus ]]; then
        echo "a session bus was started: $home/.dbus exists"
        status=1
    fi
else
    echo "  not run: xvfb-run is not installed (Debian packages xvfb xauth)"
fi

if [[ $status -eq 0 ]]; then
    echo "nothing written, nothing sent"
fi
exit $status

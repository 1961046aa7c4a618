#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The command line as a terminal user or a script meets it: help and version print and end,
# an unknown option or an argument is refused with the usage and status 2, a start with no
# display at all says so in one line and ends with status 1; none of them touches a file.
# Qt's own options pass: "-platform offscreen" starts the program without a display.
# Usage: command_line.sh PROGRAM VERSION
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM VERSION" >&2; exit 2; }
work=$(mktemp -d)
pid=""
finish() {
    local status=$?
    [ -n "$pid" ] && stop_process "$pid"
    if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "Files left in $work" >&2; fi
}
trap finish EXIT
tests=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../support/fail.sh
source "$tests/support/fail.sh"
# shellcheck source=../../../scripts/poll.sh
source "$tests/../scripts/poll.sh"

cp "$1" "$work/stocks"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM

# expect STATUS STREAM PATTERN ARGUMENT...
expect() {
    local status=$1 stream=$2 pattern=$3 got=0
    shift 3
    "$work/stocks" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" -eq "$status" ] || fail "stocks $*: status $got, expected $status: $(cat "$work/err")"
    grep -q -- "$pattern" "$work/$stream" ||
        fail "stocks $*: no \"$pattern\" on std$stream: $(cat "$work/$stream")"
    [ "$(ls -A "$work" | tr '\n' ' ')" = "err out runtime stocks " ] && [ -z "$(ls -A "$work/runtime")" ] ||
        fail "stocks $* touched files: $(ls -AR "$work")"
}
expect 0 out '^Usage: .*stocks \[options\]$' --help
expect 0 out '^  -v, --version' -h
expect 0 out "^Morvane Stocks $2\$" --version
expect 0 out "^Morvane Stocks $2\$" -v
expect 0 out "^Morvane Stocks $2\$" -platform offscreen --version
expect 2 err "Unknown option 'frobnicate'" --frobnicate
expect 2 err '^Usage: ' MorvaneStocks.html
expect 1 err 'no display' -style Fusion
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "the missing display took more than one line: $(cat "$work/err")"

"$work/stocks" -platform offscreen >"$work/program.log" 2>&1 &
pid=$!
running() {
    kill -0 "$pid" 2>/dev/null || fail "stocks -platform offscreen ended early"
    compgen -G "$work/runtime/*.socket" >/dev/null
}
poll 60 running || fail "stocks -platform offscreen did not start"
echo "command line: help, version, refusals and a start without a display as expected"

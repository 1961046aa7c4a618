# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# shellcheck shell=bash
# Sourced by the start-up benchmarks: a scratch folder, Qt on the X display in $DISPLAY (as a
# user meets it) or offscreen where there is none, and the measure of one program run. Call
# measure_setup with the programs the script needs.

measure_setup() {
    local program
    for program in "$@"; do
        [[ -x $program ]] || { echo "missing $program: build it first" >&2; exit 1; }
    done
    [[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (Debian package: time)" >&2; exit 1; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    [[ -n ${DISPLAY:-} ]] || export QT_QPA_PLATFORM=offscreen
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# Prints "milliseconds peak_rss_kib" for one run of the given command.
measure() {
    local start end
    start=$EPOCHREALTIME
    /usr/bin/time -o "$work/rusage" -f "%M" "$@" >/dev/null 2>"$work/stderr" || {
        echo "failed: $* (exit $?)" >&2
        cat "$work/stderr" >&2
        exit 1
    }
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" -v rss="$(tail -n 1 "$work/rusage")" \
        'BEGIN { printf "%.2f %d\n", (e - s) * 1000, rss }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

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
    command -v python3 >/dev/null || { echo "needs python3 for wait4_run.py" >&2; exit 1; }
    bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    [[ -n ${DISPLAY:-} ]] || export QT_QPA_PLATFORM=offscreen
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# Prints "wall_ms cpu_ms peak_rss_kib" for one run of the given command: CPU is user + system
# time from wait4 of the program itself, start to the end of its close.
measure() {
    "$bench_dir/wait4_run.py" "$work/rusage" "$@" >/dev/null 2>"$work/stderr" || {
        echo "failed: $* (exit $?)" >&2
        cat "$work/stderr" >&2
        exit 1
    }
    cat "$work/rusage"
}

# shellcheck source=paired_runs.sh
source "$(dirname "${BASH_SOURCE[0]}")/paired_runs.sh"

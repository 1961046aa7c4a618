# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# shellcheck shell=bash
# Sourced by the start-up comparisons: RUNS alternating pairs of run_minimal and run_driver
# (the caller's), each one's lines appended to $work/minimal and $work/driver, after one
# unmeasured run of each that fills the caches; and the medians of their columns.

run_pairs() {
    local runs=$1 i
    run_minimal >/dev/null
    run_driver >/dev/null
    : >"$work/minimal"
    : >"$work/driver"
    for ((i = 0; i < runs; i++)); do
        if ((i % 2)); then
            run_driver >>"$work/driver"
            run_minimal >>"$work/minimal"
        else
            run_minimal >>"$work/minimal"
            run_driver >>"$work/driver"
        fi
    done
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
column_median() { cut -d' ' -f"$2" "$1" | median; }

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up cost of the program against a bare Qt window of the same size with a label and a
# field. Each run starts the program on a first run (fresh folder, no settings, no page),
# shows the main window and closes it through its close sequence; the bare window just quits
# once shown. Runs alternate so that both see the same machine load. Each run is measured for
# wall time, CPU time (user + system from wait4, start to the end of the close) and peak
# memory. Run it on an X display (e.g. under xvfb-run -s "-screen 0 1024x768x24 -noreset")
# to measure what a user meets; without one it runs offscreen.
# Usage: startup_compare.sh BUILD_DIR [RUNS]
set -euo pipefail

build=${1:?usage: startup_compare.sh BUILD_DIR [RUNS]}
runs=${2:-20}
wall_goal=1.05
cpu_goal=1.05
memory_goal=1.05
minimal=$build/bench/minimal_window
driver=$build/bench/startup_driver
# shellcheck source=run_measure.sh
source "$(dirname "$0")/run_measure.sh"
measure_setup "$minimal" "$driver"

run_minimal() { measure "$minimal"; }
run_driver() {
    local folder
    folder=$(mktemp -d "$work/run.XXXXXX")
    measure "$driver" "$folder"
    rm -rf "$folder"
}

run_pairs "$runs"

# Paired runs: the ratio of each pair, then the median of those, which the load shared by a
# pair mostly cancels out of.
pair_ratio() {
    paste -d' ' "$work/minimal" "$work/driver" | awk -v f="$1" '{ print $(f + 3) / $f }' | median
}

awk -v runs="$runs" -v platform="${QT_QPA_PLATFORM:-xcb}" \
    -v mwall="$(column_median "$work/minimal" 1)" -v mcpu="$(column_median "$work/minimal" 2)" \
    -v mkib="$(column_median "$work/minimal" 3)" -v dwall="$(column_median "$work/driver" 1)" \
    -v dcpu="$(column_median "$work/driver" 2)" -v dkib="$(column_median "$work/driver" 3)" \
    -v pwall="$(pair_ratio 1)" -v pcpu="$(pair_ratio 2)" -v pkib="$(pair_ratio 3)" \
    -v wgoal="$wall_goal" -v cgoal="$cpu_goal" -v mgoal="$memory_goal" 'BEGIN {
    printf "%d pairs, medians (Qt platform: %s)\n", runs, platform
    printf "%-20s %10s %10s %12s\n", "", "wall ms", "CPU ms", "peak RSS KiB"
    printf "%-20s %10.2f %10.2f %12d\n", "bare window", mwall, mcpu, mkib
    printf "%-20s %10.2f %10.2f %12d\n", "stocks start+close", dwall, dcpu, dkib
    printf "median of pair ratios: wall %.3f, CPU %.3f, peak memory %.3f\n", pwall, pcpu, pkib
    verdict("wall", dwall / mwall, wgoal)
    verdict("CPU", dcpu / mcpu, cgoal)
    verdict("peak memory", dkib / mkib, mgoal)
}
function verdict(name, ratio, goal) {
    printf "ratio %-12s %.3f (goal <= %.2f: %s)\n", name, ratio, goal, ratio <= goal ? "met" : "MISSED"
}'

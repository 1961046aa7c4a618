#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up cost of the program against a bare Qt window of the same size with a label and a
# field. Each run starts the program on a first run (fresh folder, no settings, no page),
# shows the main window and closes it through its close sequence; the bare window just quits
# once shown. Runs alternate so that both see the same machine load. Run it on an X display
# (e.g. under xvfb-run) to measure what a user meets; without one it runs offscreen.
# Usage: startup_compare.sh BUILD_DIR [RUNS]
set -euo pipefail

build=${1:?usage: startup_compare.sh BUILD_DIR [RUNS]}
runs=${2:-20}
wall_goal=1.05
memory_goal=1.08
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

# One unmeasured run each fills the file cache.
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

min_ms=$(cut -d' ' -f1 "$work/minimal" | median)
min_kib=$(cut -d' ' -f2 "$work/minimal" | median)
drv_ms=$(cut -d' ' -f1 "$work/driver" | median)
drv_kib=$(cut -d' ' -f2 "$work/driver" | median)

awk -v runs="$runs" -v wgoal="$wall_goal" -v mgoal="$memory_goal" -v mms="$min_ms" -v mkib="$min_kib" -v dms="$drv_ms" \
    -v dkib="$drv_kib" -v platform="${QT_QPA_PLATFORM:-xcb}" 'BEGIN {
    printf "%d runs each, medians (Qt platform: %s)\n", runs, platform
    printf "%-20s %10s %12s\n", "", "wall ms", "peak RSS KiB"
    printf "%-20s %10.2f %12d\n", "bare window", mms, mkib
    printf "%-20s %10.2f %12d\n", "stocks start+close", dms, dkib
    wall = dms / mms; rss = dkib / mkib
    printf "ratio wall %.3f (goal <= %.2f: %s), peak memory %.3f (goal <= %.2f: %s)\n", wall,
        wgoal, wall <= wgoal ? "met" : "MISSED", rss, mgoal, rss <= mgoal ? "met" : "MISSED"
}'

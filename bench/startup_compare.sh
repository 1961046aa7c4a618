#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up cost of the program against an empty Qt window of the same size.
# Each run starts the program on a first run (fresh folder, no settings, no page), shows
# the main window and closes it through its close sequence; the empty window just quits
# once shown. Runs alternate so that both see the same machine load.
# Usage: startup_compare.sh BUILD_DIR [RUNS]
set -euo pipefail

build=${1:?usage: startup_compare.sh BUILD_DIR [RUNS]}
runs=${2:-20}
goal=1.15
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

awk -v runs="$runs" -v goal="$goal" -v mms="$min_ms" -v mkib="$min_kib" -v dms="$drv_ms" \
    -v dkib="$drv_kib" 'BEGIN {
    printf "%d runs each, medians (QT_QPA_PLATFORM=offscreen)\n", runs
    printf "%-20s %10s %12s\n", "", "wall ms", "peak RSS KiB"
    printf "%-20s %10.2f %12d\n", "minimal_window", mms, mkib
    printf "%-20s %10.2f %12d\n", "stocks start+close", dms, dkib
    wall = dms / mms; rss = dkib / mkib
    printf "ratio wall %.3f (%s), peak memory %.3f (%s); goal <= %.2f\n", wall,
        wall <= goal ? "met" : "MISSED", rss, rss <= goal ? "met" : "MISSED", goal
}'

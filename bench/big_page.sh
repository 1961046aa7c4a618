#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Start and close on a page of a million stock lines (about 55 MB), against the same on a
# page with none. Each run starts the program on a fresh copy of the page, shows the main
# window and closes it through its close sequence, which saves the whole page again.
# Goals: the big page's peak memory above the empty page's at most twice the file's size,
# and its start and close within 2 seconds.
# Usage: big_page.sh BUILD_DIR [RUNS]
set -euo pipefail

build=${1:?usage: big_page.sh BUILD_DIR [RUNS]}
runs=${2:-5}
lines=1000000
driver=$build/bench/startup_driver
writer=$build/bench/big_page_writer
# shellcheck source=run_measure.sh
source "$(dirname "$0")/run_measure.sh"
measure_setup "$driver" "$writer"

"$writer" "$work/empty.html" stocks 0
"$writer" "$work/big.html" stocks "$lines"
file_bytes=$(stat -c %s "$work/big.html")

# One start and close on a copy of the given page.
run_page() {
    local folder
    folder=$(mktemp -d "$work/run.XXXXXX")
    cp "$1" "$folder/MorvaneStocks.html"
    measure "$driver" "$folder"
    rm -rf "$folder"
}

# One unmeasured run each fills the file cache.
run_page "$work/empty.html" >/dev/null
run_page "$work/big.html" >/dev/null

: >"$work/empty"
: >"$work/big"
for ((i = 0; i < runs; i++)); do
    run_page "$work/empty.html" >>"$work/empty"
    run_page "$work/big.html" >>"$work/big"
done

awk -v runs="$runs" -v lines="$lines" -v bytes="$file_bytes" \
    -v ems="$(cut -d' ' -f1 "$work/empty" | median)" -v ekib="$(cut -d' ' -f3 "$work/empty" | median)" \
    -v bms="$(cut -d' ' -f1 "$work/big" | median)" -v bkib="$(cut -d' ' -f3 "$work/big" | median)" \
    -v ecpu="$(cut -d' ' -f2 "$work/empty" | median)" -v bcpu="$(cut -d' ' -f2 "$work/big" | median)" \
    -v platform="${QT_QPA_PLATFORM:-xcb}" 'BEGIN {
    printf "%d runs each, medians (Qt platform: %s)\n", runs, platform
    printf "%-28s %10s %10s %12s\n", "", "wall ms", "CPU ms", "peak RSS KiB"
    printf "%-28s %10.2f %10.2f %12d\n", "empty page start+close", ems, ecpu, ekib
    printf "%-28s %10.2f %10.2f %12d\n", sprintf("%d-line page start+close", lines), bms, bcpu, bkib
    above = (bkib - ekib) * 1024 / bytes
    printf "page file %.1f MB; memory above the empty page %.2f x the file (%s, goal <= 2)\n",
        bytes / 1e6, above, above <= 2 ? "met" : "MISSED"
    printf "start+close %.2f s (%s, goal <= 2 s)\n", bms / 1000, bms <= 2000 ? "met" : "MISSED"
}'

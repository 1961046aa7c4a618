#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows twin of startup_compare.sh: the Windows build's start and close against a bare
# window built with the same Qt for Windows, both run under Wine, alternately. Both programs
# sit in the program's portable folder (cmake --install of the Windows build), so they load
# the same DLLs and Qt plugins the shipped program does. One Wine prefix and one wineserver,
# started first and kept alive (wineserver -p), serve every run: what each run costs is then
# the Wine processes themselves (start.exe and the program it starts), whose wall time, CPU
# time (user + system from wait4, summed over both) and peak memory are measured as on Linux.
# Runs on its own Xvfb display.
# Needs: scripts/build-windows (its build folder holds bench/minimal_window.exe and
# bench/startup_driver.exe), wine, Xvfb.
# Usage: startup_compare_wine.sh [WINDOWS_BUILD_DIR] [RUNS]
set -euo pipefail
# shellcheck source=paired_runs.sh
source "$(dirname "$0")/paired_runs.sh"

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-windows/build}
runs=${2:-20}
goal=1.05
for program in bench/minimal_window.exe bench/startup_driver.exe; do
    [[ -f $build/$program ]] || { echo "missing $build/$program: run scripts/build-windows" >&2; exit 1; }
done
command -v wine >/dev/null || { echo "needs wine" >&2; exit 1; }

work=$(mktemp -d)
xvfb=
finish() {
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$work/display")
export DISPLAY

# The portable folder, with the two programs beside the program's own DLLs and plugins.
folder=$work/portable
cmake --install "$build" --prefix "$folder" >/dev/null
cp "$build/bench/minimal_window.exe" "$build/bench/startup_driver.exe" "$folder/"

# A prefix set to Windows 10 (Qt 6 wants it), and its server kept alive for every run.
export WINEPREFIX=$work/prefix WINEDEBUG=-all LC_ALL=C.UTF-8
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wine winecfg /v win10 >/dev/null 2>&1
wineserver -w
wineserver -p

measure() {
    "$here/wait4_run.py" --descendants "$work/rusage" wine "$@" >/dev/null 2>"$work/stderr" || {
        echo "failed: $* (exit $?)" >&2
        cat "$work/stderr" >&2
        exit 1
    }
    cat "$work/rusage"
}
run_minimal() { measure "$folder/minimal_window.exe"; }
run_driver() {
    local files
    files=$(mktemp -d "$work/run.XXXXXX")
    measure "$folder/startup_driver.exe" "Z:$files"
    rm -rf "$files"
}

run_pairs "$runs"


awk -v runs="$runs" -v goal="$goal" \
    -v mwall="$(column_median "$work/minimal" 1)" -v mcpu="$(column_median "$work/minimal" 2)" \
    -v mkib="$(column_median "$work/minimal" 3)" -v dwall="$(column_median "$work/driver" 1)" \
    -v dcpu="$(column_median "$work/driver" 2)" -v dkib="$(column_median "$work/driver" 3)" 'BEGIN {
    printf "%d pairs under Wine, medians\n", runs
    printf "%-20s %10s %10s %12s\n", "", "wall ms", "CPU ms", "peak RSS KiB"
    printf "%-20s %10.2f %10.2f %12d\n", "bare window", mwall, mcpu, mkib
    printf "%-20s %10.2f %10.2f %12d\n", "stocks start+close", dwall, dcpu, dkib
    verdict("wall", dwall / mwall)
    verdict("CPU", dcpu / mcpu)
    verdict("peak memory", dkib / mkib)
}
function verdict(name, ratio) {
    printf "ratio %-12s %.3f (goal <= %.2f: %s)\n", name, ratio, goal, ratio <= goal ? "met" : "MISSED"
}'

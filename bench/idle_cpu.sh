#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# CPU time the program uses while nobody touches it. The program runs on a first run from
# a fresh folder; once its window is up and has settled, its CPU time (all threads, from
# /proc/PID/stat, and from perf's task clock when perf is installed) and its threads'
# wake-ups (context switches) are counted over a quiet period. An idle program with no
# timers uses none.
# Modes: xvfb (a real X window, never activated), xvfb-focus (the same after a click into
# the symbol field, so the window is active and the field's caret blinks), offscreen.
# Usage: idle_cpu.sh BUILD_DIR [xvfb|xvfb-focus|offscreen] [SECONDS]
set -euo pipefail

build=${1:?usage: idle_cpu.sh BUILD_DIR [xvfb|xvfb-focus|offscreen] [SECONDS]}
mode=${2:-xvfb}
seconds=${3:-10}
[[ -x $build/stocks ]] || { echo "missing $build/stocks: build it first" >&2; exit 1; }

work=$(mktemp -d)
program_pid=
server_pid=
cleanup() {
    set +e
    for pid in $program_pid $server_pid; do
        stop_process "$pid"
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The program keeps its settings and page beside itself: give it a folder of its own.
mkdir "$work/app"
cp "$build/stocks" "$work/app/stocks"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# shellcheck source=../scripts/poll.sh
source "$(dirname "$0")/../scripts/poll.sh"

cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$program_pid/stat"; }
wakeups() {
    cat /proc/"$program_pid"/task/*/status |
        awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n }'
}
window_up() { xdotool search --onlyvisible --name '^Morvane Stocks$'; }
# Without a display server there is no window to look for: wait until start-up stops using CPU.
settled() {
    local before
    before=$(cpu_ticks)
    sleep 0.5
    [[ $(cpu_ticks) == "$before" ]]
}

case $mode in
xvfb | xvfb-focus)
    display=99
    while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    server_pid=$!
    export DISPLAY=:$display
    poll 10 xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }
    unset QT_QPA_PLATFORM
    "$work/app/stocks" >"$work/stocks.log" 2>&1 &
    program_pid=$!
    poll 30 window_up >/dev/null 2>&1 || { echo "the main window did not appear" >&2; exit 1; }
    if [[ $mode == xvfb-focus ]]; then
        # The symbol field, 50,25 in the client area; the first run puts the window at 100,100.
        read -r x y < <(xdotool search --onlyvisible --name '^Morvane Stocks$' \
            getwindowgeometry --shell | awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 }
                END { print x + 4 + 71, y + 23 + 34 }')
        xdotool mousemove "$x" "$y" click 1 mousemove 0 0
    fi
    ;;
offscreen)
    export QT_QPA_PLATFORM=offscreen
    "$work/app/stocks" >"$work/stocks.log" 2>&1 &
    program_pid=$!
    sleep 0.2
    poll 30 settled || { echo "the program did not settle" >&2; exit 1; }
    ;;
*)
    echo "unknown mode $mode (xvfb, xvfb-focus or offscreen)" >&2
    exit 1
    ;;
esac

# Let the first paints and the window system's replies finish before counting.
sleep 1
ticks_before=$(cpu_ticks)
wakeups_before=$(wakeups)
if command -v perf >/dev/null; then
    task_ms=$(perf stat -x, -e task-clock -p "$program_pid" -- sleep "$seconds" 2>&1 >/dev/null |
        awk -F, '/task-clock/ { printf "%.3f", $1 }')
else
    sleep "$seconds"
    task_ms="(perf not installed)"
fi
ticks=$(($(cpu_ticks) - ticks_before))
woken=$(($(wakeups) - wakeups_before))
tick_hz=$(getconf CLK_TCK)

echo "mode $mode, $seconds s idle: /proc CPU time $((ticks * 1000 / tick_hz)) ms ($ticks ticks" \
    "of $((1000 / tick_hz)) ms), perf task clock $task_ms ms, $woken thread wake-ups"
if ((ticks == 0 && woken == 0)); then
    echo "idle: no CPU time, no wake-ups"
elif ((ticks == 0)); then
    echo "idle: no measurable CPU time in /proc, but the program woke up $woken times"
else
    echo "NOT idle: the program used CPU time"
fi

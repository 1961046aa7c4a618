#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The session ends under a running window: SIGTERM, SIGHUP and SIGINT after a spinner step
# and a drag, and a lost X display, each run the close sequence once, so the settings keep
# the new minutes and place and the page carries one refresh line. A second signal during
# the close ends the program at once.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

grab_x=$((frameLeft + 60))
grab_y=$((frameTop + 10))

# Started as a desktop starts it: SIGINT not ignored, as it is for a script's background job.
start_signalable() {
    env --default-signal=INT "$work/stocks" >>"$work/program.log" 2>&1 &
    pid=$!
    poll 60 find_window || fail "the window \"Morvane Stocks\" did not appear"
}

# Sends a signal and waits for the program to end; sets status to how it ended.
end_with() {
    kill -s "$1" "$pid"
    poll 60 process_gone "$pid" || fail "the program did not end after SIG$1"
    status=0
    wait "$pid" || status=$?
    pid=""
}

# SIGTERM after a drag and a spinner step.
start_signalable
expect_window_at 100 100
xdotool mousemove $((100 + grab_x)) $((100 + grab_y)) mousedown 1 \
    mousemove 170 150 mousemove $((200 + grab_x)) $((150 + grab_y)) mouseup 1
expect_window_at 200 150
step_up 200 150
end_with TERM
[ "$status" -eq 0 ] || fail "the program ended with status $status after SIGTERM"
expect_settings 11 150 200 "SIGTERM"
expect_one_refresh_line 660 "SIGTERM"

# The next start is where the last one ended; its close finds the refresh line it expects.
start_signalable
expect_window_at 200 150
close_through_x
expect_one_refresh_line 660 "the close after SIGTERM"

for signal in HUP INT; do
    start_signalable
    minutes=$(($(settings_lines | sed -n 's/^refrate=//p') + 1))
    step_up 200 150
    end_with "$signal"
    [ "$status" -eq 0 ] || fail "the program ended with status $status after SIG$signal"
    expect_settings "$minutes" 150 200 "SIG$signal"
    expect_one_refresh_line $((60 * minutes)) "SIG$signal"
done

# Two signals at once: the first starts the close, the second ends the program before it.
start_signalable
kill -STOP "$pid"
kill -TERM "$pid"
kill -HUP "$pid"
before=$(settings_lines)
end_with CONT
[ "$status" -gt 128 ] || fail "a second signal did not end the program at once: status $status"
[ "$(settings_lines)" = "$before" ] || fail "the settings were written after a second signal"

# A lost display: the X server goes away under the window.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 640x480x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
helpers+=("$xvfb")
read -r -t 30 -u "$displayfd" number || fail "no second X display"
ourDisplay=$DISPLAY
export DISPLAY=":$number"
start_signalable
step_up 200 150
kill "$xvfb"
wait "$xvfb" || true
poll 60 process_gone "$pid" || fail "the program outlived its display"
wait "$pid" || true
pid=""
export DISPLAY=$ourDisplay
expect_settings $((minutes + 1)) 150 200 "lost display"
expect_one_refresh_line $((60 * (minutes + 1))) "lost display"

echo "session end: each signal and the lost display saved the page and the settings once"

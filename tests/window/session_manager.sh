#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The program under a real session manager, xsm, started from its startup file as a desktop
# session starts it. A checkpoint saves the page and the settings and the program goes on,
# to be restarted by its plain command; a shutdown after one more spinner step saves once
# and ends it; a shutdown whose save fails, with an error box already open, ends it within
# seconds with the error on standard error.
command -v xsm >/dev/null || {
    echo "xsm (x11-session-utils) is not installed: skipped"
    exit 77
}
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

xsm=""
sessions=0

# Starts xsm in a home of its own, so that it starts the program from its startup file
# rather than restore an earlier session; sets pid and window to the program's.
start_session() {
    sessions=$((sessions + 1))
    home="$work/home$sessions"
    mkdir "$home"
    # Without the line buffering that stdbuf preloads into xsm: a sanitizer build refuses
    # any library loaded before its own.
    echo "env -u LD_PRELOAD $work/stocks" >"$home/.xsmstartup"
    HOME=$home stdbuf -oL xsm -verbose >"$work/xsm$sessions.log" 2>>"$work/program.log" &
    xsm=$!
    helpers+=("$xsm")
    poll 60 session_window || fail "xsm did not start the program"
    pid=$(xdotool getwindowpid "$window")
}

session_window() {
    process_gone "$xsm" && fail "xsm ended early"
    window=$(xdotool search --onlyvisible --name '^Morvane Stocks$' 2>/dev/null || true)
    [ -n "$window" ]
}

saves_completed() {
    grep -c 'sent SAVE COMPLETE' "$work/xsm$sessions.log" || true
}

save_completed_after() {
    [ "$(saves_completed)" -gt "$1" ]
}

# The values of the restart command the session holds for the program, one a line.
restart_command() {
    awk '/^RestartCommand$/ { found = 1; next }
         found && /^\t/ { print substr($0, 2); next }
         found && !/^LISTofARRAY8$/ { exit }' "$1"
}

restarts_plainly() {
    [ -f "$1" ] && [ "$(restart_command "$1")" = "$work/stocks" ]
}

expect_running() {
    kill -0 "$pid" 2>/dev/null || fail "$1: the program ended"
    [ -n "$(xdotool search --onlyvisible --name '^Morvane Stocks$' 2>/dev/null)" ] ||
        fail "$1: the window is gone"
}

# A Both checkpoint through xsm's dialog, as a desktop saves a session that goes on. Its
# buttons sit at fixed places: "Checkpoint" in the main window, and in the dialog, after the
# session's name.
checkpoint_both() {
    local before main dialog
    before=$(saves_completed)
    main=$(xdotool search --onlyvisible --name '^xsm: ' | head -1)
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 40)) $((Y + 37)) click 1
    poll 60 xdotool search --onlyvisible --name '^Checkpoint$' >/dev/null ||
        fail "xsm's checkpoint dialog did not open"
    dialog=$(xdotool search --onlyvisible --name '^Checkpoint$' | head -1)
    xdotool windowfocus --sync "$dialog" type checkpoint
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + 39)) $((Y + 109)) click 1
    poll 60 save_completed_after "$before" || fail "the checkpoint did not complete"
    grep -q 'Save Type = Both, Shutdown = False' "$work/xsm$sessions.log" ||
        fail "the checkpoint was not a Both save"
}

# Ends the session as on logout: SIGTERM makes xsm shut down Locally and send DIE.
shut_down_within() {
    kill -TERM "$xsm"
    poll "$1" process_gone "$pid" || fail "the program did not end within $1 s of the shutdown"
    pid=""
    poll 60 process_gone "$xsm" || fail "xsm did not end after the shutdown"
    wait "$xsm" || fail "xsm ended with status $?"
    helpers=()
}

start_session
expect_window_at 100 100

# A Local checkpoint (SIGUSR1) asks only for what restarts the program.
kill -USR1 "$xsm"
poll 60 restarts_plainly "$home/.XSM-Default" ||
    fail "the Local checkpoint left the restart command: $(restart_command "$home/.XSM-Default")"
expect_running "the Local checkpoint"

step_up 100 100
cp "$page" "$work/stepped.html"
checkpoint_both
expect_running "the Both checkpoint"
expect_settings 11 100 100 "the checkpoint"
expect_one_refresh_line 660 "the checkpoint"
cmp -s "$work/MorvaneStocks.BAK" "$work/stepped.html" ||
    fail "the checkpoint did not keep the stepped page as the backup"
restarts_plainly "$home/.XSM-checkpoint" ||
    fail "the checkpoint left the restart command: $(restart_command "$home/.XSM-checkpoint")"

# After the checkpoint the run goes on: a step saves, and the shutdown saves once more.
step_up 100 100
cp "$page" "$work/stepped.html"
shut_down_within 60
expect_settings 12 100 100 "the shutdown"
expect_one_refresh_line 720 "the shutdown"
cmp -s "$work/MorvaneStocks.BAK" "$work/stepped.html" ||
    fail "the shutdown saved more than once: the backup is not the stepped page"

# A page file in a missing folder: the step's save fails and leaves its box open, and the
# shutdown's save fails again.
missing="$work/missing/watch.html"
printf '[html]\r\nfile=%s\r\n' "$missing" >"$work/stocks.INI"
start_session
xdotool mousemove $((100 + frameLeft + 78)) $((100 + frameTop + 148)) click 1
poll 60 xdotool search --onlyvisible --name '^Morvane Stock$' >/dev/null ||
    fail "the failed save showed no error box"
shut_down_within 10
grep -qF "Morvane Stock: Cannot create file $missing." "$work/program.log" ||
    fail "the shutdown's failed save is not on standard error"

# xsm's programs are not ours to await: what a sanitizer build found is in their output.
! grep -qE 'Sanitizer|runtime error' "$work/program.log" || fail "the program reported faults"

echo "session manager: a checkpoint saved and went on, a shutdown saved once and ended, a failing one ended"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows program under Wine, as Windows ends and restarts it: a second start on the page
# that is open brings the running window to the front and ends, leaving every file as it was;
# a logoff (WM_QUERYENDSESSION, WM_ENDSESSION) after a spinner step saves the page and the
# settings quietly and the program ends without a box.
# Needs DISPLAY and WINEPREFIX (scripts/test-windows makes both) and, from the build,
# STOCKS_WINDOWS_BUILD (the build folder to install from).
# Usage: wine_second_start_logoff.sh LAUNCHER (a script that runs stocks.exe beside it)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"
[ -n "${WINEPREFIX:-}" ] || fail "no WINEPREFIX; run it through scripts/test-windows"
cmake --install "$STOCKS_WINDOWS_BUILD" --prefix "$work" >/dev/null

# A copy with its own page, placed so that it overlaps the first.
other="$work/other"
cmake --install "$STOCKS_WINDOWS_BUILD" --prefix "$other" >/dev/null
cp "$work/stocks" "$other/stocks"
printf '[form]\r\ntop=120\r\nleft=140\r\n' >"$other/stocks.INI"

start_program
"$other/stocks" >>"$work/program.log" 2>&1 &
helpers+=($!)
poll 60 two_windows || fail "a copy on another page did not open beside the first"
poll 60 other_on_top || fail "the later window is not on top"

expect_second_copy_ends "$work/stocks" "$work"
poll 60 first_on_top || fail "a second start did not bring the running window to the front"
[ "$(windows_named)" -eq 2 ] || fail "a second start on the same page opened a window"

# A logoff after a spinner step: the session's save writes the new minutes, the place and one
# refresh line of 11 minutes, and no box waits for an answer.
step_up 100 100
wineboot --end-session >/dev/null 2>&1 || fail "wineboot could not end the session"
poll 60 process_gone "$pid" || fail "the program did not end with the session"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status at the logoff"
expected="[html]
file=MorvaneStocks.html
refrate=11
[form]
top=100
left=100"
[ "$(settings_lines)" = "$expected" ] || fail "settings after the logoff:
$(settings_lines)
expected:
$expected"
expect_one_refresh_line 660 "the logoff"

echo "Windows program under Wine: a second start raised the first; a logoff saved quietly"

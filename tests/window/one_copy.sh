#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# One program per page file: a second start on a page that is open brings the running window
# to the front and ends, whatever name leads to the page; a copy on another page runs beside
# it; the lock of a copy that was killed does not stop the next start.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

# A second program with its own page, placed so that it overlaps the first.
other="$work/other"
mkdir "$other"
cp "$work/stocks" "$other/stocks"
printf '[form]\r\ntop=120\r\nleft=140\r\n' >"$other/stocks.INI"

# A third program whose settings name the first one's page through a link to its folder.
third="$work/third"
mkdir "$third"
cp "$work/stocks" "$third/stocks"
ln -s "$work" "$work/linked"
printf '[html]\r\nfile=%s\r\n' "$work/linked/MorvaneStocks.html" >"$third/stocks.INI"

one_window() {
    [ "$(windows_named)" -eq 1 ]
}

start_program
"$other/stocks" >>"$work/program.log" 2>&1 &
helpers+=($!)
poll 60 two_windows || fail "a copy on another page did not open beside the first"
poll 60 other_on_top || fail "the later window is not on top"

expect_second_copy_ends "$work/stocks" "$work" "$other" "$third"
poll 60 first_on_top || fail "a second start did not bring the running window to the front"
[ "$(windows_named)" -eq 2 ] || fail "a second start on the same page opened a window"

# The other page's window goes on top again; a start through the link raises the first.
"$other/stocks" >>"$work/program.log" 2>&1 || fail "a second start on the other page failed"
poll 60 other_on_top || fail "the other window did not come to the front"
expect_second_copy_ends "$third/stocks" "$work" "$other" "$third"
poll 60 first_on_top || fail "a start on a linked name of the page did not find the running copy"

# Killed, the first copy leaves its lock behind; the next start takes it over.
disown "$pid"
kill -KILL "$pid"
pid=""
poll 60 one_window || fail "the killed window did not go away"
"$work/stocks" >>"$work/program.log" 2>&1 &
pid=$!
poll 60 two_windows || fail "a lock left by a killed copy stopped the next start"
window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Morvane Stocks$')
close_through_x

echo "one copy per page: second starts raised the running window and ended; others ran beside it"

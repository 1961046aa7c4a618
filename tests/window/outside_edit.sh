#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# A line written into the page with a text editor while the program runs is kept: the next
# "+" saves it beside the new stock, the close keeps both, and so do later runs.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

note='<img src="x.png"> MY NOTE<br>'
ibm_line='s=IBM">95'

start_program
expect_window_at 100 100
close_through_x
[ "$(grep -c $'\r$' "$page")" -eq 8 ] || fail "the first close did not save a page of 8 lines"

start_program
expect_window_at 100 100
# As an editor saves: the note goes in after the refresh line, and the file is rewritten.
{
    head -n 2 "$page"
    printf '%s\r\n' "$note"
    tail -n +3 "$page"
} >"$work/edited.html"
cat "$work/edited.html" >"$page"

add_stock IBM 95
poll 60 page_holds "$ibm_line" || fail "adding IBM did not save it"
page_holds "$note" || fail "the add lost the line written by hand"
cmp -s "$work/edited.html" "$work/MorvaneStocks.BAK" || fail "the backup is not the page as edited by hand"

close_through_x
page_holds "$note" || fail "the close lost the line written by hand"
page_holds "$ibm_line" || fail "the close lost IBM"

start_program
expect_window_at 100 100
close_through_x
page_holds "$note" || fail "the next run lost the line written by hand"
page_holds "$ibm_line" || fail "the next run lost IBM"
grep -qF "$note" "$work/MorvaneStocks.BAK" || fail "the backup lost the line written by hand"

echo "outside edit: the line written by hand was kept beside the added stock through two runs"

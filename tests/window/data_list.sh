#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The data list window on a real X display: a stock added in the main window is deleted from
# the data list after the confirmation. Opening the list asks nothing, the deletion saves
# nothing, and the close saves the page without the line.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

ibm_line='s=IBM">95'

find_named() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

data_list_open() {
    dataList=$(find_named '^Morvane Stocks Data List$')
    [ -n "$dataList" ]
}

confirmation_shown() {
    confirmation=$(find_named '^Confirm$')
    [ -n "$confirmation" ]
}

confirmation_gone() {
    ! confirmation_shown
}

start_program
expect_window_at 100 100
expect_sign_at 100 100

add_stock IBM 95
poll 60 page_holds "$ibm_line" || fail "adding IBM did not save it"

click_client 76 193
poll 60 data_list_open || fail "\"D\" did not open the data list"
eval "$(xdotool getwindowgeometry --shell "$dataList")"
[ "$X,$Y ${WIDTH}x$HEIGHT" = "282,358 650x241" ] ||
    fail "the data list is at $X,$Y, ${WIDTH}x$HEIGHT; expected 282,358, 650x241"

# Row 1, 13 pixels high, holds the IBM line. Had the opening already asked its own question,
# this click would be refused and Return below would answer that question instead.
xdotool mousemove 382 378 click 1
poll 60 confirmation_shown || fail "choosing a line asked nothing"
xdotool key Return
poll 60 confirmation_gone || fail "the confirmation did not go away after Return"
page_holds "$ibm_line" || fail "the deletion was saved at once"

close_through_x
page_holds "$ibm_line" && fail "the closing save kept the deleted IBM line"
[ "$(grep -c $'\r$' "$page")" -eq 8 ] || fail "the closing save does not hold the 8 lines of an empty page"
grep -qF "$ibm_line" "$work/MorvaneStocks.BAK" || fail "the backup does not hold the page saved by the add"

echo "data list: the chosen line was deleted after the confirmation and left out of the closing save"

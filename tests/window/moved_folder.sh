#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# A copy of the program whose folder is moved and renamed: the next start finds the page
# beside it, and "X" saves there and closes. Settings that an older version wrote (the page's
# full name in the folder before the move) lead to the page beside it as well.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

# Moves the program's folder and makes the page file the one there.
move_folder() {
    mkdir -p "$(dirname "$2")"
    mv "$1" "$2"
    page="$2/MorvaneStocks.html"
}

expect_page_and_name_kept() {
    local folder=$1 stock
    for stock in 's=IBM">95' 's=MSFT">12'; do
        page_holds "$stock" || fail "$2: the page in $folder lost $stock"
    done
    [ "$(tr -d '\r' <"$folder/stocks.INI" | grep '^file=')" = file=MorvaneStocks.html ] ||
        fail "$2: the settings keep $(grep '^file=' "$folder/stocks.INI")"
    [ ! -e "$3" ] || fail "$2: the folder before the move was made again"
}

first="$work/Stocks Zoë"
mkdir "$first"
mv "$work/stocks" "$first/stocks"
page="$first/MorvaneStocks.html"
start_program "$first/stocks"
add_stock IBM 95
poll 60 page_holds 's=IBM">95' || fail "\"+\" with IBM and 95 did not save the page"
close_through_x

# Moved and renamed: the stock added there is in the list the next add saves.
moved="$work/elsewhere/Morvane"
move_folder "$first" "$moved"
start_program "$moved/stocks"
add_stock MSFT 12
poll 60 page_holds 's=MSFT">12' || fail "\"+\" with MSFT and 12 did not save the page"
close_through_x
expect_page_and_name_kept "$moved" "after the move" "$first"

# What an older version left: the page by its full name in the folder before the move.
printf '[html]\r\nfile=%s\r\nrefrate=10\r\n[form]\r\ntop=100\r\nleft=100\r\n' "$page" >"$moved/stocks.INI"
again="$work/again"
move_folder "$moved" "$again"
start_program "$again/stocks"
close_through_x
expect_page_and_name_kept "$again" "older settings" "$moved"

echo "moved folder: the page beside the program found after each move, and the close works"

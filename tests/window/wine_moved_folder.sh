#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The portable Windows program on a USB stick under Wine: after its folder is renamed and the
# stick comes back under another drive letter, the next start finds the page beside it and
# "X" saves there and closes. Settings that an older version wrote (the page's full name on the
# old drive) lead to the page beside it as well.
# Needs DISPLAY and WINEPREFIX (scripts/test-windows makes both) and, from the build,
# STOCKS_WINDOWS_BUILD (the build folder to install from) and STOCKS_WINE (Wine).
# Usage: wine_moved_folder.sh LAUNCHER
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"
[ -n "${WINEPREFIX:-}" ] || fail "no WINEPREFIX; run it through scripts/test-windows"
stick="$work/stick"
cmake --install "$STOCKS_WINDOWS_BUILD" --prefix "$stick/Zoë Programs/stocks" >/dev/null

# The stick under one drive letter only: Wine takes its drives from the links in dosdevices
# when its server starts, so the one still lingering after the last run must end first.
plug_in() {
    rm -f "$WINEPREFIX/dosdevices/e:" "$WINEPREFIX/dosdevices/f:"
    ln -s "$stick" "$WINEPREFIX/dosdevices/$1:"
    wineserver -w
}

# Starts stocks.exe by its Windows name on the drive, in the stick's folder given.
start_from() {
    printf "#!/bin/sh\nexec '%s' '%s'\n" "$STOCKS_WINE" "$1:\\${2//\//\\}\\stocks.exe" >"$work/launch"
    chmod +x "$work/launch"
    page="$stick/$2/MorvaneStocks.html"
    start_program "$work/launch"
}

expect_page_and_name_kept() {
    local stock
    for stock in 's=IBM">95' 's=MSFT">12'; do
        page_holds "$stock" || fail "$1: the page lost $stock"
    done
    [ "$(tr -d '\r' <"$(dirname "$page")/stocks.INI" | grep '^file=')" = file=MorvaneStocks.html ] ||
        fail "$1: the settings keep $(grep '^file=' "$(dirname "$page")/stocks.INI")"
}

plug_in e
start_from e "Zoë Programs/stocks"
add_stock IBM 95
poll 60 page_holds 's=IBM">95' || fail "\"+\" with IBM and 95 did not save the page"
close_through_x

# Renamed, and back under F:. The stock added on E: is in the list the next add saves.
mv "$stick/Zoë Programs" "$stick/Zoë Stocks"
plug_in f
start_from f "Zoë Stocks/stocks"
add_stock MSFT 12
poll 60 page_holds 's=MSFT">12' || fail "\"+\" with MSFT and 12 did not save the page"
close_through_x
expect_page_and_name_kept "renamed on another drive"

# What an older version left: the page by its full name on E:, in Windows-1252.
printf '[html]\r\nfile=E:\\Zoë Programs\\stocks\\MorvaneStocks.html\r\nrefrate=10\r\n[form]\r\ntop=100\r\nleft=100\r\n' |
    iconv -f UTF-8 -t WINDOWS-1252 >"$stick/Zoë Stocks/stocks/stocks.INI"
start_from f "Zoë Stocks/stocks"
close_through_x
expect_page_and_name_kept "older settings"

echo "moved folder under Wine: the page beside the program found after a rename and a new drive letter"

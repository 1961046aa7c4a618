#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows program under Wine on a real X display, installed with its DLLs into a fresh
# folder: the first run shows the sign cut to its outline at 100,100; "+" with IBM and 95
# saves the page at once, and "X" leaves the same page and settings as on Linux, in CR LF
# lines; a second run takes an EMF picture through the skin command's file dialog.
# Needs DISPLAY and WINEPREFIX (scripts/test-windows makes both) and, from the build,
# STOCKS_WINDOWS_BUILD (the build folder to install from) and STOCKS_SKIN_EMF (a picture).
# Usage: wine_first_run.sh LAUNCHER (a script that runs stocks.exe beside it under Wine)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"
[ -n "${WINEPREFIX:-}" ] || fail "no WINEPREFIX; run it through scripts/test-windows"
shots=${STOCKS_SCREENSHOTS:-$work}
mkdir -p "$shots"
cmake --install "$STOCKS_WINDOWS_BUILD" --prefix "$work" >/dev/null
# What the program writes for a file of this folder: its Windows name, as Wine shows it.
windows_name() {
    winepath -w "$work/$1" 2>/dev/null
}

start_program
expect_window_at 100 100
expect_sign_at 100 100
cp "$work/screen.png" "$shots/wine-first-run.png"

for ((i = 0; i < ${#outsidePoints[@]}; i += 2)); do
    under=$(window_under $((100 + frameLeft + outsidePoints[i])) $((100 + frameTop + outsidePoints[i + 1])))
    [ "$under" != "$window" ] || fail "client ${outsidePoints[i]},${outsidePoints[i + 1]} reaches the window"
done

ibm_line='s=IBM">95'
page_holds_ibm() {
    [ -f "$page" ] && grep -qF "$ibm_line" "$page"
}
click_client() {
    xdotool mousemove $((100 + frameLeft + $1)) $((100 + frameTop + $2)) click 1
}
[ ! -e "$page" ] || fail "the page file exists before any save"
click_client 70 33
xdotool key ctrl+a type IBM
click_client 70 96
xdotool key ctrl+a type 95
click_client 42 87
poll 60 page_holds_ibm || fail "\"+\" with IBM and 95 did not save the page"
import -window root "$shots/wine-ibm-added.png"
close_through_x

# The settings file: the Linux window test's lines, the default page by its bare name.
expected_settings="[html]
file=MorvaneStocks.html
refrate=10
[form]
top=100
left=100"
[ "$(settings_lines)" = "$expected_settings" ] || fail "settings file:
$(settings_lines)
expected:
$expected_settings"
[ "$(grep -c $'\r$' "$work/stocks.INI")" -eq "$(wc -l <"$work/stocks.INI")" ] ||
    fail "the settings file has lines without CR LF"

# The page: the empty page's 8 lines and the IBM line, every one ended by CR LF.
lines=$(grep -c $'\r$' "$page")
[ "$(wc -l <"$page")" -eq "$lines" ] || fail "the page file has lines without CR LF"
[ "$lines" -eq 9 ] || fail "the page file has $lines lines, expected 9"
[ "$(head -n 1 "$page" | tr -d '\r')" = "<html><head><title>Morvane Stocks</title>" ] ||
    fail "first page line: $(head -n 1 "$page")"
grep -q 'CONTENT="600"' <(sed -n 2p "$page") || fail "the refresh line is not 600 seconds: $(sed -n 2p "$page")"
[ "$(grep -c "$ibm_line" "$page")" -eq 1 ] || fail "the page does not hold the IBM line once"
[ "$(tail -n 1 "$page" | tr -d '\r')" = "</font></body></html>" ] || fail "last page line: $(tail -n 1 "$page")"
first_page=$(cat "$page")

# The skin command: a double click on the sign's foot opens the file dialog; the EMF named
# there becomes the sign and the settings keep its name.
cp "$STOCKS_SKIN_EMF" "$work/skin.emf"
start_program
expect_window_at 100 100
dialog_open() {
    dialog=$(xdotool search --onlyvisible --name '^Pick a Skin for Morvane Stocks$' 2>/dev/null | head -n 1)
    [ -n "$dialog" ]
}
xdotool mousemove $((100 + frameLeft + 105)) $((100 + frameTop + 160)) click --repeat 2 --delay 100 1
poll 60 dialog_open || fail "a double click on the sign's foot opened no file dialog"
import -window root "$shots/wine-skin-dialog.png"
# Wine's dialog: the name field sits left of the type list, 43 pixels above the bottom edge;
# the window is not active at first, so the field takes a click before typing.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 43)) click 1
xdotool key ctrl+a
xdotool type --delay 20 "$(windows_name skin.emf)"
xdotool key Return
skin_saved() {
    grep -qxF "skin=$(windows_name skin.emf)" <(tr -d '\r' <"$work/stocks.INI")
}
poll 60 skin_saved || fail "the skin command did not keep the EMF's name: $(settings_lines)"
sign_changed() {
    import -window root "$work/skinned.png" 2>/dev/null || return 1
    mapfile -t now < <(pixels "$work/skinned.png" $((100 + frameLeft + 20)) $((100 + frameTop + 140)) \
        $((100 + frameLeft + 25)) $((100 + frameTop + 80)) $((100 + frameLeft + 68)) $((100 + frameTop + 75)))
    mapfile -t before < <(pixels "$shots/wine-first-run.png" $((100 + frameLeft + 20)) $((100 + frameTop + 140)) \
        $((100 + frameLeft + 25)) $((100 + frameTop + 80)) $((100 + frameLeft + 68)) $((100 + frameTop + 75)))
    [ "${now[*]}" != "${before[*]}" ]
}
poll 60 sign_changed || fail "the sign still shows the old skin"
cp "$work/skinned.png" "$shots/wine-emf-skin.png"
close_through_x
[ "$(cat "$page")" = "$first_page" ] || fail "the second run changed the page"

echo "Windows program under Wine: shape, IBM added, files as on Linux, EMF skin taken"

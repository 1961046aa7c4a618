#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# A first run on a real X display: the window opens at 100,100 as a free-standing dollar sign
# that takes the mouse only inside its outline; "X" ends the program, which leaves the page
# file and the settings file behind.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

start_program
expect_window_at 100 100
expect_sign_at 100 100
cp "$work/screen.png" "$work/first_run.png"

# Clicks land on the window inside the outline and on the root window elsewhere.
for ((i = 0; i < ${#insidePoints[@]}; i += 2)); do
    under=$(window_under $((100 + frameLeft + insidePoints[i])) $((100 + frameTop + insidePoints[i + 1])))
    [ "$under" = "$window" ] || fail "client ${insidePoints[i]},${insidePoints[i + 1]} does not reach the window"
done
for ((i = 0; i < ${#outsidePoints[@]}; i += 2)); do
    under=$(window_under $((100 + frameLeft + outsidePoints[i])) $((100 + frameTop + outsidePoints[i + 1])))
    [ "$under" != "$window" ] || fail "client ${outsidePoints[i]},${outsidePoints[i + 1]} reaches the window"
done

[ ! -e "$work/MorvaneStocks.html" ] || fail "the page file exists before any save"
close_through_x

[ -f "$work/stocks.INI" ] || fail "no settings file"
expected_settings="[html]
file=MorvaneStocks.html
refrate=10
[form]
top=100
left=100"
[ "$(settings_lines)" = "$expected_settings" ] ||
    fail "settings file:
$(settings_lines)
expected:
$expected_settings"

[ -f "$page" ] || fail "no page file"
lines=$(grep -c $'\r$' "$page")
[ "$lines" -eq 8 ] || fail "the page file has $lines CR LF lines, expected 8"
[ "$(wc -l <"$page")" -eq 8 ] || fail "the page file has lines without CR LF"
[ "$(tail -c 2 "$page" | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "the page file's last line is not ended"
[ "$(head -n 1 "$page" | tr -d '\r')" = "<html><head><title>Morvane Stocks</title>" ] ||
    fail "first page line: $(head -n 1 "$page")"
grep -q 'CONTENT="600"' <(sed -n 2p "$page") || fail "the refresh line is not 600 seconds: $(sed -n 2p "$page")"
[ "$(tail -n 1 "$page" | tr -d '\r')" = "</font></body></html>" ] || fail "last page line: $(tail -n 1 "$page")"

echo "first run: window, shape, screenshot, close and files as expected"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The saved page in a real browser: with [html] chart pointing at a stand-in chart service on
# 127.0.0.1, two stocks added in the real window, one with a space in its symbol, show as two
# charts in headless Chromium, and the service is asked once for each symbol, encoded.
# Reports 77 (skipped) only where Chromium is not installed.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

browser=$(command -v chromium || true)
[ -n "$browser" ] || { echo "SKIP: chromium is not installed (scripts/install-deps --tests)"; exit 77; }

page="$work/MorvaneStocks.html"
colour=FF00FF
chartWidth=60
chartHeight=30

# The service ends by itself after four minutes should this script die without stopping it.
/usr/bin/python3 "$here/chart_server.py" "$work/port" "$work/requests.log" \
    "$chartWidth" "$chartHeight" "$colour" 240 >>"$work/server.log" 2>&1 &
helpers+=($!)
poll 30 test -s "$work/port" || fail "the chart service did not start"
chart="http://127.0.0.1:$(cat "$work/port")/chart?s=%s&size=s"
printf '[html]\r\nchart=%s\r\n' "$chart" >"$work/stocks.INI"

start_program
expect_window_at 100 100
[ -z "$(xdotool search --onlyvisible --name '^Morvane Stock$' 2>/dev/null)" ] ||
    fail "the start showed an error box"

add_stock IBM 95
poll 60 page_holds '<img src="'"${chart/\%s/IBM}"'">95' || fail "adding IBM did not save its chart line"
add_stock "BRK B" 300
poll 60 page_holds '<img src="'"${chart/\%s/BRK%20B}"'">300' || fail "adding BRK B did not save its chart line"
close_through_x
[ "$(settings_lines | grep '^chart=')" = "chart=$chart" ] || fail "the chart key changed: $(settings_lines)"

timeout 60 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/chromium" --window-size=800,300 --virtual-time-budget=5000 \
    --screenshot="$work/page.png" "file://$page" >>"$work/browser.log" 2>&1 ||
    fail "Chromium failed: $(tail -n 5 "$work/browser.log")"
[ -s "$work/page.png" ] || fail "Chromium wrote no screenshot"

# Each area of the chart colour, as "WIDTHxHEIGHT+X+Y AREA", from left to right.
charts=$(/usr/bin/convert "$work/page.png" -alpha off -fill black +opaque "#$colour" \
    -fill white -opaque "#$colour" -define connected-components:verbose=true \
    -connected-components 4 null: |
    awk '$NF == "srgb(255,255,255)" { print $2, $4 }' | sort -t+ -k2n)
total=$(/usr/bin/convert "$work/page.png" -alpha off -fill black +opaque "#$colour" \
    -fill white -opaque "#$colour" -format '%[fx:round(mean*w*h)]' info:)
echo "chart colour #$colour in the screenshot: $total pixels; charts: $(tr '\n' ';' <<<"$charts")"
# Two areas, each a whole chart: its full rectangle, every pixel in the colour.
whole="^${chartWidth}x$chartHeight+[0-9]*+[0-9]* $((chartWidth * chartHeight))\$"
if [ "$(grep -c "$whole" <<<"$charts")" -ne 2 ] || [ "$(wc -l <<<"$charts")" -ne 2 ] ||
    [ "$total" -ne $((2 * chartWidth * chartHeight)) ]; then
    fail "the screenshot does not show two whole charts"
fi

requests=$(sort "$work/requests.log")
expected=$'/chart?s=BRK%20B&size=s\n/chart?s=IBM&size=s'
[ "$requests" = "$expected" ] || fail "the chart service was asked for:
$requests
expected:
$expected"

echo "chart page: two charts shown from the configured address, one request per symbol, encoded"

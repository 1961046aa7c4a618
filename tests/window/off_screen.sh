#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# A stored place far past the 1280 x 1024 screen, as a second monitor since unplugged leaves
# it: the window opens whole in the screen's corner, where it can be grabbed, and "X" stores
# the place it really has.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

printf '[form]\r\ntop=3000\r\nleft=3000\r\n' >"$work/stocks.INI"
start_program
read_geometry
# The grab area, Label1 at client 8,0 (121 x 57), lies wholly on the screen.
grab_left=$((X + frameLeft + 8)) grab_top=$((Y + frameTop))
((grab_left >= 0 && grab_top >= 0 && grab_left + 121 <= 1280 && grab_top + 57 <= 1024)) ||
    fail "the grab area is at $grab_left,$grab_top, off the 1280 x 1024 screen"
expect_window_at $((1280 - 146)) $((1024 - 235))
expect_sign_at 1134 789
cp "$work/screen.png" "$work/off_screen.png"

close_through_x
settings_lines | grep -qx 'top=789' || fail "stored top: $(settings_lines | grep '^top=')"
settings_lines | grep -qx 'left=1134' || fail "stored left: $(settings_lines | grep '^left=')"

echo "off screen: the window came back onto the screen and its place was stored"

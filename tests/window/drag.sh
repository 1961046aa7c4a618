#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Dragging the window by its grab area on a real X display with no window manager, so the
# program's own move loop runs: the window moves by the mouse's travel, only for the left
# button, keeps its place at close and opens there at the next start.
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

# Client 60,10: the top of the bar, on the grab area and clear of "Stock" and "X".
grab_x=$((frameLeft + 60))
grab_y=$((frameTop + 10))

start_program
expect_window_at 100 100
expect_sign_at 100 100

# The right button moves nothing. Were it to, the left drag below would miss the grab area.
xdotool mousemove $((100 + grab_x)) $((100 + grab_y)) mousedown 3 mousemove 180 190 mouseup 3

# A quick drag: the pointer may be at its goal before the program sees the press.
xdotool mousemove $((100 + grab_x)) $((100 + grab_y)) mousedown 1 \
    mousemove 170 150 mousemove 230 170 mousemove $((200 + grab_x)) $((150 + grab_y)) mouseup 1
expect_window_at 200 150
expect_sign_at 200 150
cp "$work/screen.png" "$work/after_drag.png"

# A slow drag: the window follows while the button is held, then stays when it is released.
xdotool mousemove $((200 + grab_x)) $((150 + grab_y)) mousedown 1
xdotool mousemove $((236 + grab_x)) $((217 + grab_y))
expect_window_at 236 217
xdotool mousemove $((186 + grab_x)) $((207 + grab_y))
expect_window_at 186 207
xdotool mouseup 1
xdotool mousemove 600 500
# "X" answers only once the move has ended; a window that still followed the mouse would be
# elsewhere and the click would miss.
expect_window_at 186 207
close_through_x
settings_lines | grep -qx 'top=207' || fail "stored top: $(settings_lines | grep '^top=')"
settings_lines | grep -qx 'left=186' || fail "stored left: $(settings_lines | grep '^left=')"

start_program
expect_window_at 186 207
expect_sign_at 186 207
close_through_x
settings_lines | grep -qx 'top=207' || fail "stored top after the second run: $(settings_lines | grep '^top=')"
settings_lines | grep -qx 'left=186' || fail "stored left after the second run: $(settings_lines | grep '^left=')"

echo "drag: the window moved with the mouse, stayed at close and reopened there"

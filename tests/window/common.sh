# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# shellcheck shell=bash
# Steps shared by the real-window tests; sourced by them, never run on its own.
# Each test runs on its own X display (xvfb-run, no window manager, white root window)
# with a copy of the program in a fresh folder, so its settings and page files start empty.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "$0: no X display; run it under xvfb-run" >&2; exit 2; }

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
skin="$here/../../resources/skin.bmp"
work=$(mktemp -d)
pid=""
window=""
cp "$1" "$work/stocks"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
export LSAN_OPTIONS="suppressions=$here/../support/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The client area starts this far into the window (frame 4, caption bar 19 + frame 4).
frameLeft=4
frameTop=23

# Processes the test started besides the program, stopped after it in reverse order.
helpers=()

finish() {
    local status=$? i
    [ -n "$pid" ] && stop_process "$pid"
    for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do
        stop_process "${helpers[i]}"
    done
    if [ "$status" -eq 0 ]; then
        rm -rf "$work"
    else
        echo "Files and screenshots left in $work" >&2
    fi
}
trap finish EXIT

# shellcheck source=../support/fail.sh
source "$here/../support/fail.sh"

# shellcheck source=../../scripts/poll.sh
source "$here/../../scripts/poll.sh"

# Starts the program, by default the copy in $work, and waits for its window.
start_program() {
    "${1:-$work/stocks}" >>"$work/program.log" 2>&1 &
    pid=$!
    poll 60 find_window || fail "the window \"Morvane Stocks\" did not appear"
}

find_window() {
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    local found
    found=$(xdotool search --onlyvisible --name '^Morvane Stocks$' 2>/dev/null || true)
    [ -n "$found" ] || return 1
    [ "$(wc -l <<<"$found")" -eq 1 ] || fail "more than one window: $found"
    window=$found
}

# Sets X, Y, WIDTH and HEIGHT to the window's outer geometry.
read_geometry() {
    X="" Y="" WIDTH="" HEIGHT=""
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

window_at() {
    read_geometry
    [ "$X,$Y" = "$1,$2" ]
}

expect_window_at() {
    poll 60 window_at "$1" "$2" || fail "the window is at $X,$Y, expected $1,$2"
    [ "$WIDTH"x"$HEIGHT" = 146x235 ] || fail "the window is ${WIDTH}x$HEIGHT, expected 146x235"
}

# Prints "r,g,b" for each point (x y pairs) of a picture file, one line per point.
pixels() {
    local file=$1
    shift
    local format=""
    while [ $# -gt 0 ]; do
        local p="p{$1,$2}"
        format+="%[fx:round(255*$p.r)],%[fx:round(255*$p.g)],%[fx:round(255*$p.b)]\\n"
        shift 2
    done
    /usr/bin/convert "$file" -format "$format" info:
}

# Client points on the sign that no control covers, and points outside the outline: both
# mouths, beside the bar's foot, above the bar and the corners of the client area.
insidePoints=(20 140 25 80 15 70 68 75 70 20 120 50 105 160 128 120 60 183)
outsidePoints=(100 75 30 112 40 195 95 195 68 0 0 0 137 0 0 207 137 207)

# Compares a screenshot with the skin picture: the sign shows the skin, pixel for pixel,
# where the window sits; around it the white root window shows.
sign_shown_at() {
    local left=$1 top=$2 shot="$work/screen.png"
    import -window root "$shot" 2>/dev/null || return 1
    local screenPoints=() i
    for ((i = 0; i < ${#insidePoints[@]}; i += 2)); do
        screenPoints+=($((left + frameLeft + insidePoints[i])) $((top + frameTop + insidePoints[i + 1])))
    done
    for ((i = 0; i < ${#outsidePoints[@]}; i += 2)); do
        screenPoints+=($((left + frameLeft + outsidePoints[i])) $((top + frameTop + outsidePoints[i + 1])))
    done
    screenPoints+=("$left" "$top" $((left + 145)) "$top" "$left" $((top + 234)) $((left + 145)) $((top + 234)))

    mapfile -t seen < <(pixels "$shot" "${screenPoints[@]}")
    mapfile -t skinColours < <(pixels "$skin" "${insidePoints[@]}")
    mismatches=""
    local n=0
    for ((i = 0; i < ${#insidePoints[@]}; i += 2, n++)); do
        [ "${skinColours[n]}" != 255,255,255 ] || fail "client point ${insidePoints[i]},${insidePoints[i + 1]} is white in the skin"
        [ "${seen[n]}" = "${skinColours[n]}" ] ||
            mismatches+=" inside ${insidePoints[i]},${insidePoints[i + 1]}: ${seen[n]} not ${skinColours[n]};"
    done
    for ((i = 0; i < ${#outsidePoints[@]}; i += 2, n++)); do
        [ "${seen[n]}" = 255,255,255 ] ||
            mismatches+=" outside ${outsidePoints[i]},${outsidePoints[i + 1]}: ${seen[n]};"
    done
    for corner in top-left top-right bottom-left bottom-right; do
        [ "${seen[n]}" = 255,255,255 ] || mismatches+=" window corner $corner: ${seen[n]};"
        n=$((n + 1))
    done
    [ -z "$mismatches" ]
}

expect_sign_at() {
    poll 60 sign_shown_at "$1" "$2" || fail "the screen does not show the sign at $1,$2:$mismatches"
}

# The X window under a screen point, as the pointer finds it there.
window_under() {
    xdotool mousemove "$1" "$2"
    local WINDOW
    eval "$(xdotool getmouselocation --shell | grep '^WINDOW=')"
    echo "$WINDOW"
}

# Clicks "X" (client 107,44, 12 x 16) and waits for the program to end by itself.
close_through_x() {
    read_geometry
    xdotool mousemove $((X + frameLeft + 113)) $((Y + frameTop + 52)) click 1
    poll 60 process_gone "$pid" || fail "the program did not end after a click on X"
    local status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The settings file's lines without line ends and blank lines.
settings_lines() {
    tr -d '\r' <"$work/stocks.INI" | grep -v '^$'
}

# The page file of a run on the default files, and what its saves leave in it.
page="$work/MorvaneStocks.html"

refresh_lines() {
    grep -c 'HTTP-EQUIV="refresh"' "$page" || true
}

page_refreshes_every() {
    [ -f "$page" ] && grep -qF "CONTENT=\"$1\"" "$page"
}

page_time() {
    stat -c %y "$page" 2>/dev/null || echo none
}

page_saved_since() {
    [ "$(page_time)" != "$1" ]
}

# One step up on the spinner of the window at left,top; the step saves the page at once.
step_up() {
    local before
    before=$(page_time)
    xdotool mousemove $(($1 + frameLeft + 78)) $(($2 + frameTop + 148)) click 1
    poll 60 page_saved_since "$before" || fail "the spinner step saved nothing"
}

expect_settings() {
    local expected="[html]
file=MorvaneStocks.html
refrate=$1
[form]
top=$2
left=$3"
    [ "$(settings_lines)" = "$expected" ] || fail "$4: settings file:
$(settings_lines)
expected:
$expected"
}

expect_one_refresh_line() {
    [ "$(refresh_lines)" -eq 1 ] || fail "$2: the page has $(refresh_lines) refresh lines"
    page_refreshes_every "$1" || fail "$2: the refresh line is not $1 seconds"
}

# Clicks a point of the client area of the main window at 100,100.
click_client() {
    xdotool mousemove $((100 + frameLeft + $1)) $((100 + frameTop + $2)) click 1
}

page_holds() {
    [ -f "$page" ] && grep -qF "$1" "$page"
}

# Types the symbol and the note into the fields of the window at 100,100 and clicks "+".
add_stock() {
    click_client 70 33
    xdotool key ctrl+a type "$1"
    click_client 70 96
    xdotool key ctrl+a type "$2"
    click_client 42 87
}

# Two program windows on one display, as the one-copy tests watch them.
windows_named() {
    xdotool search --onlyvisible --name '^Morvane Stocks$' 2>/dev/null | wc -l
}

two_windows() {
    [ "$(windows_named)" -eq 2 ]
}

# The program's windows, topmost first: without a window manager they are the root's children.
topmost_window() {
    xwininfo -root -children | awk '/"Morvane Stocks":/ { print $1; exit }'
}

# Whether the window of the program started by start_program is above the other one.
first_on_top() {
    [ "$(topmost_window)" = "$(printf '0x%x' "$window")" ]
}

other_on_top() {
    ! first_on_top
}

# The files under the given folders with their sizes and times. Folders are left out: the start
# probes whether it may create files beside the executable, which touches its folder's time.
files_state() {
    find "$@" -path "$work/runtime" -prune -o ! -type d -printf '%p %s %T@\n' | sort
}

# Starts a copy that must end at once by itself, leaving every file under FOLDER... as it was.
# Usage: expect_second_copy_ends PROGRAM FOLDER...
expect_second_copy_ends() {
    local program=$1 before after status=0
    shift
    before=$(files_state "$@")
    timeout 60 "$program" >>"$work/program.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the second copy $program ended with status $status"
    after=$(files_state "$@")
    [ "$before" = "$after" ] || fail "the second copy $program changed files:
$before
$after"
}

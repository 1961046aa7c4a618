# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# shellcheck shell=bash
# Steps shared by the installer tests under Wine; sourced by them, never run on its own.
# Needs DISPLAY and WINEPREFIX (scripts/test-windows makes both).
set -euo pipefail
{ [ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ]; } ||
    { echo "$0: needs DISPLAY and WINEPREFIX; run it through scripts/test-windows" >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
pid=""
finish() {
    local status=$?
    [ -n "$pid" ] && stop_process "$pid"
    if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "Files left in $work" >&2; fi
}
trap finish EXIT
# shellcheck source-path=SCRIPTDIR source=../support/fail.sh
source "$here/../support/fail.sh"
# shellcheck source-path=SCRIPTDIR source=../../scripts/poll.sh
source "$here/../../scripts/poll.sh"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\MorvaneStocks'
# A folder Windows names by a variable, as a path on this machine.
folder_of() {
    winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null
}
registered() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}
installed="$(folder_of LOCALAPPDATA)/Programs/Morvane Stocks"

# Runs a command line as Windows gets it from the registry, unquoted, and returns its exit
# code: wine itself would quote an argument such as "_?=C:\…\Morvane Stocks".
run_command_line() {
    printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" >"$work/command.bat"
    wine cmd /c "$(winepath -w "$work/command.bat")" >>"$work/setup.log" 2>&1
}

# The installed program, started by its Windows name as the Start menu starts it.
start_installed() {
    wine "$(winepath -w "$installed/stocks.exe")" >>"$work/program.log" 2>&1 &
    pid=$!
    poll 120 window_shown || fail "the installed program showed no window"
}
window_shown() {
    kill -0 "$pid" 2>/dev/null || fail "the installed program ended early"
    window=$(xdotool search --onlyvisible --name '^Morvane Stocks$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
# The program started by start_installed has ended by itself with status 0.
expect_program_ended() {
    poll 60 process_gone "$pid" || fail "$1: the program still runs"
    local status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
}

# The folder's files with sizes and times, and every installed file against the build's.
files_state() {
    find "$@" -type f -printf '%P %s %T@\n' | LC_ALL=C sort
}
expect_install_of() {
    local stage=$1 file
    while read -r file; do
        cmp -s "$stage/$file" "$installed/$file" || fail "$2: $file is not the build's"
    done < <(cd "$stage" && find . -type f | sed 's|^\./||')
}

# Clicks the program's "X" (client 107,44 of the window at X,Y; frame 4, caption 23).
click_x() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 4 + 113)) $((Y + 23 + 52)) click 1
}

# Each test starts with nothing installed and no user files left by an earlier one.
expect_nothing_installed() {
    [ -z "$(registered DisplayName)" ] || fail "the prefix already holds an installed program"
    rm -rf "$installed"
}

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows installer under Wine, as a user without administrator rights meets it: a silent
# install puts the program under %LOCALAPPDATA%\Programs with a Start-menu entry and an entry
# in the user's apps; the installed program starts, shows its window and ends through "X",
# leaving its page and settings beside itself; a silent uninstall takes the program, the
# entry and the shortcut away and leaves the page, its backup and the settings.
# Needs DISPLAY and WINEPREFIX (scripts/test-windows makes both).
# The apps entry and the program's version resource show VERSION.
# Usage: windows_installer.sh SETUP_EXE VERSION
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 SETUP_EXE VERSION" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ] ||
    { echo "$0: needs DISPLAY and WINEPREFIX; run it through scripts/test-windows" >&2; exit 2; }
setup=$1
version=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pid=""
finish() {
    local status=$?
    [ -n "$pid" ] && stop_process "$pid"
    if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "Files left in $work" >&2; fi
}
trap finish EXIT
# shellcheck source=../support/fail.sh
source "$here/../support/fail.sh"
# shellcheck source=../../scripts/poll.sh
source "$here/../../scripts/poll.sh"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\MorvaneStocks'
# A folder Windows names by a variable, as a path on this machine.
folder_of() {
    winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null
}
registered() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}

[ -z "$(registered DisplayName)" ] || fail "the prefix already holds an installed program"
wine "$setup" /S >"$work/setup.log" 2>&1 || fail "the silent install failed: $(cat "$work/setup.log")"

installed="$(folder_of LOCALAPPDATA)/Programs/Morvane Stocks"
shortcut="$(folder_of APPDATA)/Microsoft/Windows/Start Menu/Programs/Morvane Stocks.lnk"
for file in stocks.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libuemf.dll libstdc++-6.dll \
    libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    imageformats/qico.dll licenses/LICENSE.txt uninstall.exe; do
    [ -f "$installed/$file" ] || fail "the install lacks $file"
done
[ -f "$shortcut" ] || fail "no Start-menu entry"
[ "$(registered DisplayName)" = "Morvane Stocks" ] || fail "no entry in the user's apps"
[ "$(registered DisplayVersion)" = "$version" ] || fail "the apps entry shows version $(registered DisplayVersion)"
# The resource's strings are UTF-16: each value follows its name.
resource_value() { strings -e l -n 3 "$installed/stocks.exe" | grep -A 1 -x "$1" | sed -n 2p; }
for name in FileVersion ProductVersion; do
    [ "$(resource_value "$name")" = "$version" ] || fail "stocks.exe's $name is $(resource_value "$name")"
done
[ "$(registered UninstallString)" = "\"$(winepath -w "$installed")\\uninstall.exe\"" ] ||
    fail "the apps entry's uninstaller is $(registered UninstallString)"

# The installed program: its window shows, "X" ends it, its files stay beside it.
wine "$installed/stocks.exe" >"$work/program.log" 2>&1 &
pid=$!
window_shown() {
    kill -0 "$pid" 2>/dev/null || fail "the installed program ended early: $(cat "$work/program.log")"
    window=$(xdotool search --onlyvisible --name '^Morvane Stocks$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
poll 120 window_shown || fail "the installed program showed no window"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 4 + 113)) $((Y + 23 + 52)) click 1
poll 60 process_gone "$pid" || fail "the installed program did not end after a click on X"
wait "$pid" || fail "the installed program ended with status $?"
pid=""
for file in stocks.INI MorvaneStocks.html; do
    [ -f "$installed/$file" ] || fail "the installed program left no $file beside itself"
done
printf 'kept\r\n' >"$installed/MorvaneStocks.BAK"

# The uninstaller copies itself away and returns at once; its work shows in the files.
wine "$installed/uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the silent uninstall failed"
uninstalled() {
    [ ! -e "$installed/stocks.exe" ] && [ ! -e "$installed/uninstall.exe" ] && [ ! -e "$shortcut" ] &&
        [ -z "$(registered DisplayName)" ]
}
poll 120 uninstalled || fail "the uninstall left the program, its shortcut or its apps entry"
left=$(cd "$installed" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./MorvaneStocks.BAK ./MorvaneStocks.html ./stocks.INI " ] ||
    fail "the uninstall left $left; expected the page, its backup and the settings only"

echo "installer: silent install, the installed program ran, silent uninstall kept the user's files"

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
[ $# -eq 2 ] || { echo "usage: $0 SETUP_EXE VERSION" >&2; exit 2; }
setup=$1
version=$2
# shellcheck source-path=SCRIPTDIR source=wine_installer_steps.sh
source "$(dirname "$0")/wine_installer_steps.sh"

expect_nothing_installed
wine "$setup" /S >"$work/setup.log" 2>&1 || fail "the silent install failed: $(cat "$work/setup.log")"

shortcut="$(folder_of APPDATA)/Microsoft/Windows/Start Menu/Programs/Morvane Stocks.lnk"
for file in stocks.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libuemf.dll libstdc++-6.dll \
    libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    imageformats/qico.dll licenses/LICENSE.txt uninstall.exe; do
    [ -f "$installed/$file" ] || fail "the install lacks $file"
done
[ -f "$shortcut" ] || fail "no Start-menu entry"
[ "$(registered DisplayName)" = "Morvane Stocks" ] || fail "no entry in the user's apps"
folder=$(winepath -w "$installed")
[ "$(registered QuietUninstallString)" = "\"$folder\\uninstall.exe\" /S _?=$folder" ] ||
    fail "the apps entry's quiet uninstaller is $(registered QuietUninstallString)"
[ "$(registered InstallDate)" = "$(date +%Y%m%d)" ] || fail "install date $(registered InstallDate)"
maker="https://$STOCKS_MAKER_HOST/"
{ [ "$(registered URLInfoAbout)" = "$maker" ] && [ "$(registered HelpLink)" = "$maker" ]; } ||
    fail "the apps entry's links are $(registered URLInfoAbout) and $(registered HelpLink)"
unnamed=$(cd "$installed/licenses" && find . -type f ! -name '*.txt')
[ -z "$unnamed" ] || fail "licence files without .txt: $unnamed"
[ "$(registered DisplayVersion)" = "$version" ] || fail "the apps entry shows version $(registered DisplayVersion)"
# The resource's strings are UTF-16: each value follows its name.
resource_value() { strings -e l -n 3 "$installed/stocks.exe" | grep -A 1 -x "$1" | sed -n 2p; }
for name in FileVersion ProductVersion; do
    [ "$(resource_value "$name")" = "$version" ] || fail "stocks.exe's $name is $(resource_value "$name")"
done

# The installed program: its window shows, "X" ends it, its files stay beside it.
start_installed
click_x
expect_program_ended "a click on X"
for file in stocks.INI MorvaneStocks.html; do
    [ -f "$installed/$file" ] || fail "the installed program left no $file beside itself"
done
printf 'kept\r\n' >"$installed/MorvaneStocks.BAK"

# The apps entry's quiet uninstall runs in place and returns when done; a copy of it in the
# temporary folder takes the uninstaller's own file away after it.
run_command_line "$(registered QuietUninstallString)" || fail "the silent uninstall failed with $?"
uninstalled() {
    [ ! -e "$installed/stocks.exe" ] && [ ! -e "$installed/uninstall.exe" ] && [ ! -e "$shortcut" ] &&
        [ -z "$(registered DisplayName)" ]
}
poll 120 uninstalled || fail "the uninstall left the program, its shortcut or its apps entry"
left=$(cd "$installed" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./MorvaneStocks.BAK ./MorvaneStocks.html ./stocks.INI " ] ||
    fail "the uninstall left $left; expected the page, its backup and the settings only"

echo "installer: silent install, the installed program ran, silent uninstall kept the user's files"

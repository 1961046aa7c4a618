#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# An upgrade under Wine, silent, over a running copy of an older version that shipped a file
# the new one does not: the older program is closed with its page saved, the file is gone,
# every installed file is the new build's, and the page, its backup and the settings stay.
# The older version is made here from the same build: its folder plus one more DLL, as 0.9.
# Usage: windows_upgrade.sh SETUP_EXE STAGE_FOLDER MAKER_HOST
[ $# -eq 3 ] || { echo "usage: $0 SETUP_EXE STAGE_FOLDER MAKER_HOST" >&2; exit 2; }
setup=$1
stage=$2
# shellcheck source-path=SCRIPTDIR source=wine_installer_steps.sh
source "$(dirname "$0")/wine_installer_steps.sh"

expect_nothing_installed
cp -r "$stage" "$work/older"
cp "$stage/libwinpthread-1.dll" "$work/older/libdropped.dll"
"$here/../../scripts/windows/make-installer" "$work/older" 0.9 "https://$3/" "$work/older-setup.exe" \
    >"$work/makensis.log" 2>&1 || fail "the older installer: $(cat "$work/makensis.log")"
wine "$work/older-setup.exe" /S >>"$work/setup.log" 2>&1 || fail "the older version's install failed"
{ [ "$(registered DisplayVersion)" = 0.9 ] && [ -f "$installed/libdropped.dll" ]; } ||
    fail "the older version is not installed"

start_installed
click_x
expect_program_ended "a click on X"
printf 'kept\r\n' >"$installed/MorvaneStocks.BAK"
page=$(cat "$installed/MorvaneStocks.html")

start_installed
wine "$setup" /S >>"$work/setup.log" 2>&1 || fail "the upgrade ended with $?"
expect_program_ended "the upgrade"
[ ! -e "$installed/libdropped.dll" ] || fail "the upgrade left the file the new version does not ship"
expect_install_of "$stage" "the upgrade"
[ -f "$installed/uninstall.exe" ] || fail "the upgrade left no uninstaller"
[ "$(registered DisplayVersion)" != 0.9 ] || fail "the apps entry still names the older version"
[ "$(cat "$installed/MorvaneStocks.html")" = "$page" ] || fail "the upgrade changed the page"
{ [ -f "$installed/MorvaneStocks.BAK" ] && [ -f "$installed/stocks.INI" ]; } ||
    fail "the upgrade lost the backup or the settings"
run_command_line "$(registered QuietUninstallString)" || fail "the uninstall after the upgrade ended with $?"

echo "installer: an upgrade over a running older version removed its dropped file and kept the page"

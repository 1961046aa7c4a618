#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The installer and the uninstaller under Wine with the program running from the install
# folder, silent: a reinstall closes it (its page saved), exits 0 and leaves the build's files
# only; a copy that cannot close (its page, set elsewhere, is in a folder that is gone, so its
# close fails and the window stays) makes both the reinstall and the uninstall exit 3 without
# changing a file; an uninstall closes it, exits 0 and leaves the page, its backup and the settings only.
# Usage: windows_running_copy.sh SETUP_EXE STAGE_FOLDER (the portable folder it was made of)
[ $# -eq 2 ] || { echo "usage: $0 SETUP_EXE STAGE_FOLDER" >&2; exit 2; }
setup=$1
stage=$2
# shellcheck source-path=SCRIPTDIR source=wine_installer_steps.sh
source "$(dirname "$0")/wine_installer_steps.sh"

expect_nothing_installed
wine "$setup" /S >>"$work/setup.log" 2>&1 || fail "the silent install failed"

start_installed
status=0
wine "$setup" /S >>"$work/setup.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the reinstall over a running copy ended with $status"
expect_program_ended "the reinstall"
{ [ -f "$installed/MorvaneStocks.html" ] && [ -f "$installed/stocks.INI" ]; } ||
    fail "the program closed by the reinstall saved no page and settings"
expect_install_of "$stage" "the reinstall over a running copy"

cp "$installed/stocks.INI" "$work/settings"
printf '[html]\r\nfile=C:\\no such folder\\watch.html\r\n' >"$installed/stocks.INI"
start_installed
before=$(files_state "$installed")
expect_nothing_changed() {
    local status=0
    "$@" >>"$work/setup.log" 2>&1 || status=$?
    [ "$status" -eq 3 ] || fail "$* with a copy that does not close ended with $status, not 3"
    [ "$(files_state "$installed")" = "$before" ] || fail "$* changed files though it failed"
    [ -n "$(registered DisplayName)" ] || fail "$* removed the apps entry though it failed"
}
expect_nothing_changed wine "$setup" /S
expect_nothing_changed run_command_line "$(registered QuietUninstallString)"
# $pid is start.exe, which Wine runs for `wine stocks.exe`; the program is a process of its own,
# and the next copy must not meet it.
wine taskkill /f /im stocks.exe >>"$work/setup.log" 2>&1 || true
stop_process "$pid"
pid=""
program_gone() { ! pgrep -f 'stocks\.exe' >/dev/null; }
poll 60 program_gone || fail "the copy that would not close still runs after taskkill"
cp "$work/settings" "$installed/stocks.INI"

start_installed
run_command_line "$(registered QuietUninstallString)" || fail "the uninstall over a running copy ended with $?"
expect_program_ended "the uninstall"
uninstalled() {
    [ ! -e "$installed/uninstall.exe" ] && [ -z "$(registered DisplayName)" ]
}
poll 60 uninstalled || fail "the uninstall left its uninstaller or the apps entry"
left=$(cd "$installed" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./MorvaneStocks.BAK ./MorvaneStocks.html ./stocks.INI " ] ||
    fail "the uninstall over a running copy left $left"

echo "installer: a running copy closed and saved for a reinstall and an uninstall; one that would not close stopped both with 3"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# The program through a screen reader's eyes, over the AT-SPI bus of a D-Bus session of its
# own: every command is found and used through its action (screen_reader.py), and "Close"
# ends the program with its closing save. Reports 77 (skipped) where the AT-SPI packages are
# missing or the bus does not start.
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's python, which has pyatspi; a python3 earlier on the PATH may not.
python=/usr/bin/python3
if [ -z "${STOCKS_SCREEN_READER_SESSION:-}" ]; then
    if ! [ -x "$launcher" ] || ! command -v dbus-run-session >/dev/null ||
        ! "$python" -c 'import pyatspi' 2>/dev/null; then
        echo "skipped: at-spi2-core, python3-pyatspi or dbus-run-session is missing"
        exit 77
    fi
    STOCKS_SCREEN_READER_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "$0")/common.sh"

# Asked without starting the bus: D-Bus would start a launcher of its own for a plain call.
bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

"$launcher" --launch-immediately >>"$work/bus.log" 2>&1 &
helpers+=($!)
if ! poll 30 bus_up; then
    echo "skipped: the AT-SPI bus did not start" >&2
    cat "$work/bus.log" >&2
    exit 77
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
"$python" "$here/screen_reader.py" "$pid" || fail "the screen reader could not use the program"
poll 60 process_gone "$pid" || fail "the program did not end after \"Close\""
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
grep -qF 'HTTP-EQUIV="refresh"' "$work/MorvaneStocks.html" || fail "\"Close\" saved no page"

echo "screen reader: every command found and used; the data list asked after the choice returned"

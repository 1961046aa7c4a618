# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# shellcheck shell=bash
# Sourced by the scripts that drive a real window: results are awaited with a deadline,
# never after a fixed sleep.

# Runs a command until it succeeds; gives up after the given number of seconds.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# True once the process has ended.
process_gone() {
    ! kill -0 "$1" 2>/dev/null
}

# Asks a process to end and waits for it, so that nothing it still writes outlives the
# caller's clean-up; one that does not end within 30 seconds is killed.
stop_process() {
    kill "$1" 2>/dev/null || return 0
    poll 30 process_gone "$1" || kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null || true
}

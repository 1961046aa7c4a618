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

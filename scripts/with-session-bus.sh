#!/usr/bin/env bash
# Runs a command on a private D-Bus session bus; with --keyring, also with an unlocked
# gnome-keyring serving the Secret Service. HOME and XDG_RUNTIME_DIR point at a temporary folder,
# which TARVIK_TEST_HOME names as the command's own (test programs make one otherwise). The folder
# goes when the command ends, also when this script is stopped by a signal.
set -euo pipefail

keyring=0
if [ "${1:-}" = "--keyring" ]; then
    keyring=1
    shift
fi

scratch=$(mktemp -d)
session=""
cleanup() {
    # The command, the bus and what they started (the keyring, a display) are gone before their
    # folder goes: they are one process group.
    if [ -n "$session" ]; then
        kill -TERM -- "-$session" 2>/dev/null || true
        wait "$session" 2>/dev/null || true
        # The keyring writes its files as it stops: what is left of the group is waited for (at
        # most 10 s); an ended process that nobody has reaped yet writes nothing.
        for _ in $(seq 200); do
            ps -e -o pgid= -o stat= | awk -v group="$session" '$1 == group && $2 !~ /^Z/ { found = 1 } END { exit !found }' || break
            sleep 0.05
        done
        kill -KILL -- "-$session" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP
chmod 700 "$scratch"
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
    TARVIK_TEST_HOME="$scratch"

# Not exec'd, so that the folder can be removed afterwards; in a process group of its own, waited
# for in the background, so that a signal to this script is taken at once and ends all of it.
setsid dbus-run-session -- bash -c '
    if [ "$0" = 1 ]; then
        printf %s tarvik-test | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    fi
    exec "$@"
' "$keyring" "$@" <&0 &
session=$!
status=0
wait "$session" || status=$?
exit "$status"

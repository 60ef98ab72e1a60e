#!/usr/bin/env bash
# Runs a command on a private D-Bus session bus; with --keyring, also with an unlocked
# gnome-keyring serving the Secret Service. HOME and XDG_RUNTIME_DIR point at a temporary folder,
# which TARVIK_TEST_HOME names as the command's own (test programs make one otherwise).
set -euo pipefail

keyring=0
if [ "${1:-}" = "--keyring" ]; then
    keyring=1
    shift
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 700 "$scratch"
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
    TARVIK_TEST_HOME="$scratch"

exec dbus-run-session -- bash -c '
    if [ "$0" = 1 ]; then
        printf %s tarvik-test | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    fi
    exec "$@"
' "$keyring" "$@"

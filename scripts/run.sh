#!/usr/bin/env bash
# Builds Tarvik, starts the stand-in personal-account site and opens the app against it.
# Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

build="${TARVIK_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# On 443 of a loopback address of its own where allowed (as the real site, so that its redirects
# are followed); otherwise on a free port.
address=127.0.0.1
port=0
if [ "$(id -u)" -eq 0 ]; then
    address=127.0.0.77
    port=443
fi
runtime=$(mktemp -d)
standin=""
# The stand-in removes its throw-away keys as it stops: waited for before the run's own folder goes.
stop_standin() {
    if [ -n "$standin" ]; then
        kill "$standin" 2>/dev/null || true
        wait "$standin" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop_standin EXIT
"$build/standin/tarvik-standin" --address "$address" --port "$port" --write-ca "$runtime/ca.pem" >"$runtime/standin.txt" &
standin=$!
for _ in $(seq 100); do
    grep -q 'Demo password' "$runtime/standin.txt" 2>/dev/null && break
    sleep 0.1
done
cat "$runtime/standin.txt"
base_url=$(sed -n 's/^Tarvik stand-in site: *//p' "$runtime/standin.txt")
image_host=$(sed -n 's/^Shop image host: *//p' "$runtime/standin.txt")
# The partner TV pages and pictures come from the stand-in as well.
standin_host=$(printf %s "$base_url" | sed -E 's#^https://([^/]+).*#\1#')
export TARVIK_TV_CATALOG_HOST="$standin_host" TARVIK_TV_PARTNER_HOST="$standin_host" TARVIK_TV_IMAGE_HOST="$standin_host"
export TARVIK_TV_PRODUCT_LOGO_URL="https://$standin_host/images/tarvik-logo.svg"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: the app runs offscreen (set DISPLAY to see its window)."
    export QT_QPA_PLATFORM=offscreen
fi
# The office map draws the stand-in's generated tiles and asks it for the office's place.
origin=${base_url%/}
app=("$build/src/App/tarvik" --base-url "$base_url" --ca-file "$runtime/ca.pem" --speedtest-url "$base_url"
    --shop-image-host "$image_host"
    --tile-url "$origin/tiles/{z}/{x}/{y}.png" --tile-attribution "Карта: стенд Tarvik" --geocoder-url "$origin/geocode")

if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/bus" ]; then
    # A desktop session: its own bus and keyring keep the sign-in between runs.
    "${app[@]}"
    exit
fi

# No session bus, so no desktop keyring: one started on demand would ask for a password for a new
# keyring. The app runs on a bus of its own instead, with a keyring unlocked for this run only
# (kept in the run's temporary folder, gone with it).
echo "No session bus found: the app runs on a private one, with a keyring of its own for this run."
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR}" ]; then
    export XDG_RUNTIME_DIR="$runtime"
fi
mkdir -m 700 "$runtime/keyring-data" "$runtime/keyring-run"
dbus-run-session -- bash -c '
    head -c 24 /dev/urandom | base64 | tr -d "\n" | XDG_DATA_HOME="$0/keyring-data" XDG_RUNTIME_DIR="$0/keyring-run" \
        gnome-keyring-daemon --unlock --components=secrets >/dev/null
    exec "$@"
' "$runtime" "${app[@]}"

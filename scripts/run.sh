#!/usr/bin/env bash
# Builds Tarvik and starts the stand-in personal-account site. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

build="${TARVIK_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# On 443 of a loopback address of its own where allowed (as the real site, so that its redirects
# are followed); otherwise on a free port.
if [ "$(id -u)" -eq 0 ]; then
    exec "$build/standin/tarvik-standin" --address 127.0.0.77 --port 443
fi
exec "$build/standin/tarvik-standin" --address 127.0.0.1 --port 0

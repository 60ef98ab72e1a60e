#!/usr/bin/env bash
# Builds Tarvik and runs every test headless. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

build="${TARVIK_BUILD_DIR:-$root/build}"
jobs=$(nproc)

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR}" ]; then
    export XDG_RUNTIME_DIR="$build/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIK_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$jobs"
ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 600

# Tests of coroutine-heavy code again under AddressSanitizer and UndefinedBehaviorSanitizer
# (coroutine lifetimes are where such faults hide): the account store, the network access, the
# speed-test engine, the shop's photo downloads, the chat store and the office map, in a build of
# their own that builds only what they need.
sanitize="$build-sanitize"
cmake -S "$root" -B "$sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIK_WERROR=ON \
    -DTARVIK_SANITIZE=ON >/dev/null
cmake --build "$sanitize" --parallel "$jobs" --target tst_accountstore tst_accountvaults tst_secretfallback \
    tst_networkaccess tst_speedtestengine tst_shopimagecache tst_supportchatstore tst_supportconversation tst_supportmap
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$sanitize" -L "store|coroutines" --output-on-failure --parallel "$jobs" --timeout 600

# The fuzz targets (clang, libFuzzer) once over their committed seed corpus: a regression run of
# seconds. scripts/fuzz.sh without --regress fuzzes for as long as asked.
TARVIK_FUZZ_BUILD_DIR="$build-fuzz" "$root/scripts/fuzz.sh" --regress

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
# qmllint over every QML module (settings and the reasons for them in src/.qmllint.ini): a second or two.
cmake --build "$build" --parallel "$jobs" --target all_qmllint
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

# Tests that abort downloads once more under valgrind's memcheck (Qt's network library is not built
# for the sanitizers: a reply used after it was freed shows only here). Regular expressions without
# their JIT, whose generated code valgrind cannot follow. A couple of minutes.
memcheck() {
    local test=$1
    shift
    (cd "$build/tests/${test%/*}" && QT_ENABLE_REGEXP_JIT=0 QT_QUICK_BACKEND=software valgrind -q --error-exitcode=9 \
        --suppressions="$root/scripts/valgrind.supp" "./${test#*/}" -silent "$@")
}
memcheck Platform/tst_networkaccess
memcheck Platform/tst_qmlnetworkaccessfactory
memcheck Shop/tst_shopimagecache
memcheck Support/tst_supportmap
memcheck Account/tst_remotefaultmatrix
memcheck Account/tst_faultmatrix endlessHead
memcheck SpeedTest/tst_speedtestengine stopDuringEachPhase destroyedWhileRunning hostileHosts

# The fuzz targets (clang, libFuzzer) once over their committed seed corpus: a regression run of
# seconds. scripts/fuzz.sh without --regress fuzzes for as long as asked.
TARVIK_FUZZ_BUILD_DIR="$build-fuzz" "$root/scripts/fuzz.sh" --regress

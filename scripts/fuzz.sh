#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each over its seed corpus.
#   scripts/fuzz.sh            every target for 60 s (TARVIK_FUZZ_SECONDS), new inputs kept in
#                              <build>/corpus/<target>/, crashes in <build>/crashes/
#   scripts/fuzz.sh --regress  every target once over the committed seeds only (what CI runs)
#   scripts/fuzz.sh [--regress] <target>...   only those targets
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TARVIK_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${TARVIK_FUZZ_SECONDS:-60}"
regress=0
if [ "${1:-}" = "--regress" ]; then
    regress=1
    shift
fi

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --parallel "$(nproc)"

targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets < "$build/targets.txt"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
    seeds="$root/fuzz/corpus/$target"
    [ -d "$seeds" ] || { echo "no seed corpus $seeds" >&2; exit 1; }
    if [ $regress -eq 1 ]; then
        "$build/fuzz_$target" -runs=0 "$seeds" 2>&1 | tail -n 1
    else
        corpus="$build/corpus/$target"
        mkdir -p "$corpus"
        echo "== $target: $seconds s"
        "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
            -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 "$corpus" "$seeds" 2>&1 \
            | grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)|ERROR|SUMMARY' || true
        [ -z "$(ls "$build/crashes/$target-"* 2>/dev/null)" ] || { echo "$target: crash saved in $build/crashes" >&2; exit 1; }
    fi
done

#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz and runs each of them for a bounded time on its seed corpus.
#
#   bash scripts/fuzz.sh [seconds-per-target]
#
# Without an argument all targets together take about a minute. A crash, a leak, a
# sanitizer report or a broken property ends the run with a failure; the input that
# caused it is kept in build-fuzz/findings/<target>/. The corpus each target grows is
# kept in build-fuzz/corpus/<target>/ and reused by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
fixtures=$(pwd)/tests/data

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOLTARO_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$build" -j2 --target fuzz_targets

bin=$build/tests/fuzz
targets=()
for exe in "$bin"/fuzz_*; do
    [ -f "$exe" ] && [ -x "$exe" ] && targets+=("$(basename "$exe")")
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets built" >&2
    exit 1
fi
seconds=${1:-$(( 60 / ${#targets[@]} > 2 ? 60 / ${#targets[@]} : 2 ))}

rm -rf "$build/seeds"
"$bin/voltaro_fuzz_seeds" "$build/seeds" "$fixtures"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/tests/lsan.supp
export QT_QPA_PLATFORM=offscreen

passed=0
failed=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    mkdir -p "$corpus" "$findings" "$build/seeds/$target"
    log=$build/findings/$target.log
    if "$bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$build/seeds/$target" >"$log" 2>&1; then
        echo "PASS $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" |
            grep -o '[0-9]*$') runs in ${seconds}s"
        passed=$((passed + 1))
    else
        echo "FAIL $target (log: $log, input: $findings/)"
        grep -E 'ERROR|property failed|SUMMARY|runtime error' "$log" | head -5 || true
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

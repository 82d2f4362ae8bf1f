#!/usr/bin/env bash
# Installs the dependencies, builds the tool with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test headless, then runs every fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Compiled objects are shared between checkouts of the same sources in other folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

build=build-asan
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVOLTARO_SANITIZE=ON \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --build "$build" -j2

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j4

# A short run of every fuzz target (about a minute in all).
bash scripts/fuzz.sh

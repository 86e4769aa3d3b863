#!/usr/bin/env bash
# Builds the project and runs the whole Qt Test suite with ctest.
# VELLIX_SANITIZERS=1 adds a second build with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the suite there too.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh

jobs=$(nproc)
run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest -j "$jobs" --output-on-failure)
}

run_suite build -DCMAKE_BUILD_TYPE=Debug
if [[ "${VELLIX_SANITIZERS:-0}" == 1 ]]; then
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DVELLIX_BUILD_BENCH=OFF \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
fi

#!/usr/bin/env bash
# Builds the project and runs the whole Qt Test suite with ctest twice: on a
# plain Debug build (build/) and on a build with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/). VELLIX_SANITIZERS=0 runs the plain
# build only. Benchmarks are not built. Both builds go through ccache.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh

source scripts/ccache-env.sh
jobs=$(nproc)
# The suites mostly wait for the portal simulator, so more of them than cores run at once.
test_jobs=$((jobs * 3))
configure() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLIX_BUILD_BENCH=OFF "$@" >/dev/null
}

configure build
cmake --build build -j "$jobs"
(cd build && ctest -j "$test_jobs" --output-on-failure)

[[ "${VELLIX_SANITIZERS:-1}" == 1 ]] || exit 0

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Line tables are enough for the reports' stack traces and build much faster.
configure build-asan -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest -j "$test_jobs" --output-on-failure)

#!/usr/bin/env bash
# Builds the project and runs the whole Qt Test suite with ctest, three times:
# a plain Debug build, the whole suite again built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the tests labelled "threads" built with
# ThreadSanitizer. VELLIX_SANITIZERS=0 runs the plain build only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh

jobs=$(nproc)
configure() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
}
sanitized() {
    local dir=$1 sanitizers=$2
    configure "$dir" -DVELLIX_BUILD_BENCH=OFF \
        "-DCMAKE_CXX_FLAGS=-fsanitize=$sanitizers -fno-omit-frame-pointer -fno-sanitize-recover=all"
}

configure build
cmake --build build -j "$jobs"
(cd build && ctest -j "$jobs" --output-on-failure)

[[ "${VELLIX_SANITIZERS:-1}" == 1 ]] || exit 0

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitized build-asan address,undefined
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest -j "$jobs" --output-on-failure)

echo "== ThreadSanitizer (tests labelled threads)"
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
sanitized build-tsan thread
mapfile -t thread_tests < <(cd build && ctest -N -L threads | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build build-tsan -j "$jobs" --target vellix-portal-simulator "${thread_tests[@]}"
(cd build-tsan && ctest -j "$jobs" -L threads --output-on-failure)

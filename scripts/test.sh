#!/usr/bin/env bash
# Builds Drawlyze Pick 3 with its tests and runs every test, then runs them all
# again built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAWLYZE_WERROR=ON > /dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAWLYZE_SANITIZE=ON -DDRAWLYZE_BENCH=OFF > /dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

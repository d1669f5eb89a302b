#!/usr/bin/env bash
# Builds Drawlyze Pick 3 with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"

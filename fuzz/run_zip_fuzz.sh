#!/bin/sh
# Builds the ZIP reader's libFuzzer target with clang and runs it.
# usage: fuzz/run_zip_fuzz.sh [SECONDS] [BUILD_FOLDER]
# Seeds: the test archives; findings land in BUILD_FOLDER/findings.
set -eu
seconds=${1:-600}
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-${TMPDIR:-/tmp}/drawlyze-zip-fuzz}
mkdir -p "$build/corpus" "$build/findings"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$repo/src" "$repo/fuzz/zip_fuzz.cpp" "$repo"/src/update/zip/*.cpp -o "$build/zip_fuzz"
cp "$repo"/tests/update/zip/fixtures/*.zip "$repo"/tests/update/zip/fixtures/*.ZIP "$build/corpus/"
cd "$build"
exec ./zip_fuzz -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
  -artifact_prefix="$build/findings/" corpus

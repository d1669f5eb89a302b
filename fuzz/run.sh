#!/bin/sh
# Builds one libFuzzer target, fuzz/TARGET_fuzz.cpp, with clang through CMake
# (the project's libraries, instrumented), seeds its corpus and runs it for SECONDS.
# "all" runs every target in turn, one at a time.
# usage: fuzz/run.sh TARGET|all SECONDS [BUILD_FOLDER]
# Each target keeps its corpus in BUILD_FOLDER/TARGET/corpus (it grows from run
# to run) and writes the inputs that fail to BUILD_FOLDER/TARGET/findings.
# Needs clang++ with its libFuzzer runtime, what the build needs (scripts/setup.sh),
# zlib's headers (the Deflate target checks against zlib) and python3 (cuts the
# seed members out of the archives). Every ordinary build replays the seeds as tests.
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
targets="draw_file sieve_pattern state_settings inflate explode unshrink zip http_parser import"
if [ $# -lt 2 ]; then
  echo "usage: fuzz/run.sh TARGET|all SECONDS [BUILD_FOLDER]" >&2
  echo "targets: $targets" >&2
  exit 2
fi
target=$1
seconds=$2
build=${3:-${TMPDIR:-/tmp}/drawlyze-fuzz}
cxx=${FUZZ_CXX:-clang++}

if [ "$target" = all ]; then
  failed=""
  for t in $targets; do
    "$0" "$t" "$seconds" "$build" || failed="$failed $t"
  done
  if [ -n "$failed" ]; then
    echo "fuzz: findings or failures in:$failed (see $build/<target>/findings)" >&2
    exit 1
  fi
  exit 0
fi

cd "$repo"
options=""
case $target in
  draw_file | sieve_pattern | state_settings | zip | http_parser | import) ;;
  # Inputs past 16 KiB mostly repeat what shorter ones reach, only slower.
  inflate | explode | unshrink) options="-max_len=16384" ;;
  *)
    echo "fuzz: unknown target '$target'; targets: $targets" >&2
    exit 2
    ;;
esac

work="$build/$target"
mkdir -p "$work/corpus" "$work/findings"
# The targets build from CMake with the project's libraries (fuzz/CMakeLists.txt),
# instrumented for libFuzzer; only the target asked for and what it links.
cmake -S "$repo" -B "$build/cmake" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDRAWLYZE_FUZZ=ON -DDRAWLYZE_TESTS=OFF -DDRAWLYZE_BENCH=OFF > /dev/null
echo "fuzz: building $target" >&2
cmake --build "$build/cmake" -j"$(nproc)" --target "${target}_fuzz" > /dev/null
binary="$build/cmake/bin/${target}_fuzz"

# Seeds: the files under fuzz/seeds/TARGET, plus those cut from the fixtures.
if [ -d "fuzz/seeds/$target" ]; then cp fuzz/seeds/"$target"/* "$work/corpus/"; fi
case $target in
  draw_file) head -n 40 data/3x10.txt > "$work/corpus/3x10-head.txt" ;;
  import) for f in tests/import/fixtures/*; do printf '\000' | cat - "$f" > "$work/corpus/$(basename "$f")"; done; cp fuzz/seeds/import_json/* "$work/corpus/" ;;
  zip) cp tests/update/zip/fixtures/*.zip tests/update/zip/fixtures/*.ZIP "$work/corpus/" ;;
  inflate | explode | unshrink)
    python3 - "$target" "$work/corpus" tests/update/zip/fixtures/*.zip tests/update/zip/fixtures/*.ZIP <<'PY'
# Each member of the target's method becomes a seed in the target's input
# format; the Deflate target also gets streams zlib makes from the draw file.
import os, struct, sys, zipfile, zlib
target, corpus, archives = sys.argv[1], sys.argv[2], sys.argv[3:]
method = {"inflate": 8, "explode": 6, "unshrink": 1}[target]
for path in archives:
    try:
        members = zipfile.ZipFile(path).infolist()
    except Exception:
        continue
    with open(path, "rb") as f:
        for n, m in enumerate(members):
            if m.compress_type != method or m.flag_bits & 1:
                continue
            f.seek(m.header_offset)
            header = f.read(30)
            name_length, extra_length = struct.unpack("<HH", header[26:30])
            f.seek(m.header_offset + 30 + name_length + extra_length)
            data = f.read(m.compress_size)
            if target == "explode":
                data = bytes([m.flag_bits & 6]) + min(m.file_size, 0xFFFFFF).to_bytes(3, "little") + data
            elif target == "unshrink":
                data = b"\0" + data
            seed = os.path.join(corpus, "%s-%d" % (os.path.basename(path), n))
            with open(seed, "wb") as out:
                out.write(data)
if target == "inflate":
    text = open("data/3x10.txt", "rb").read()[:3000]
    for level, strategy in [(0, 0), (1, 0), (9, 0), (6, zlib.Z_FIXED), (6, zlib.Z_HUFFMAN_ONLY), (6, zlib.Z_RLE)]:
        z = zlib.compressobj(level, zlib.DEFLATED, -15, 8, strategy)
        with open(os.path.join(corpus, "3x10-level%d-strategy%d" % (level, strategy)), "wb") as out:
            out.write(z.compress(text) + z.flush())
PY
    ;;
esac

echo "fuzz: running $target for $seconds s; corpus $work/corpus" >&2
cd "$work"
# -print_final_stats=1 reports the executions done.
# shellcheck disable=SC2086
exec "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 $options \
  -artifact_prefix="$work/findings/" corpus

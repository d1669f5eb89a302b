#!/bin/sh
# Builds the HTTP response parser's libFuzzer target with clang and runs it.
# usage: fuzz/run_http_parser_fuzz.sh [SECONDS] [BUILD_FOLDER]
# Seeds: a few responses written here; findings land in BUILD_FOLDER/findings.
set -eu
seconds=${1:-300}
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-${TMPDIR:-/tmp}/drawlyze-http-fuzz}
mkdir -p "$build/corpus" "$build/findings"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$repo/src" "$repo/fuzz/http_parser_fuzz.cpp" "$repo/src/update/http/http_response_parser.cpp" \
  "$repo/src/update/http/http_url.cpp" -o "$build/http_parser_fuzz"
printf '\007HTTP/1.0 200 OK\r\nContent-Length: 5\r\nContent-Type: text/plain\r\n\r\nhello' > "$build/corpus/ok"
printf '\003HTTP/1.1 302 Found\r\nLocation: http://host:81/x\r\n\r\nmoved' > "$build/corpus/redirect"
printf '\001<hTmL>\r\n<body>page</body>' > "$build/corpus/html"
printf '\005HTTP/1.0 404 Not Found\nSet-Cookie: a=1\nContent-Range: bytes 1-2/3\n\nbody' > "$build/corpus/notfound"
cd "$build"
exec ./http_parser_fuzz -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
  -artifact_prefix="$build/findings/" corpus

#!/bin/sh
# The HTTP response parser's libFuzzer target through fuzz/run.sh (seeds:
# the responses in fuzz/seeds/http_parser, whose first byte picks the cut).
# usage: fuzz/run_http_parser_fuzz.sh [SECONDS] [BUILD_FOLDER]
set -eu
exec "$(dirname "$0")/run.sh" http_parser "${1:-300}" ${2:+"$2"}

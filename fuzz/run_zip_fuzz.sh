#!/bin/sh
# The ZIP reader's libFuzzer target through fuzz/run.sh (seeds: the test archives).
# usage: fuzz/run_zip_fuzz.sh [SECONDS] [BUILD_FOLDER]
set -eu
exec "$(dirname "$0")/run.sh" zip "${1:-600}" ${2:+"$2"}

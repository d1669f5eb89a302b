#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what .clang-format makes of it.
# Exit 77 (skipped) where there is no clang-format or no git checkout to list.
set -uo pipefail
cd "$(dirname "$0")/.."
command -v clang-format > /dev/null || { echo "clang-format is not installed"; exit 77; }
files="$(git ls-files '*.cpp' '*.h' 2> /dev/null)" || { echo "not a git checkout"; exit 77; }
[ -n "$files" ] || { echo "not a git checkout"; exit 77; }
# One clang-format run over every file; it names each unformatted line.
if ! echo "$files" | xargs clang-format --dry-run --Werror; then
  echo "unformatted files: run clang-format -i on them"
  exit 1
fi

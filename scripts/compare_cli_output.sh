#!/usr/bin/env bash
# Runs drawlyze-cli over every view (copy text and display list), every report,
# the table and the State counts on the bundled history, and keeps each case's
# standard output, standard error and exit status in a file of its own. Used to
# show that a change of shape leaves every byte of the command line as it was.
#
#   compare_cli_output.sh record  CLI DIR    write the cases into DIR
#   compare_cli_output.sh compare CLI DIR    run again, diff against DIR (exit 1 on a difference)
#   compare_cli_output.sh hashes  CLI        one "sha256  case" line per case, on stdout
#   compare_cli_output.sh check   CLI FILE   compare those lines with FILE (exit 1 on a difference)
#
# tests/cli/recorded_output.sha256 holds the hashes recorded before the windows
# were rebuilt around one shared model; the cli_recorded_output test checks them.
set -euo pipefail

mode="${1:-}"
cli="${2:-}"
target="${3:-}"
if [[ -z "$mode" || -z "$cli" || ( "$mode" != hashes && -z "$target" ) ]]; then
  sed -n '2,13p' "$0" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
draws="$root/data/3x10.txt"
cli="$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
out="$work/out"
mkdir -p "$out"
printf '2 4 6\r\n1 1 1\r\n9 9 9\r\n<-->\r\n3 3 3\r\n9 8 7\r\n' > "$work/patterns.txt"
: > "$work/empty.txt"
printf '1 01.01.2020 a b 7 8 9 x\n' > "$work/one.txt"

# run NAME ARGS...: one case, named for its file.
run() {
  local name="$1"
  shift
  local status=0
  (cd "$work" && "$cli" "$@" > "$out/$name.out" 2> "$out/$name.err") || status=$?
  echo "$status" > "$out/$name.status"
}

rows=$(grep -c . "$draws" || true)
view_settings=(
  "plain|"
  "row5-last50|--row 5 --last 50"
  "row100-last10-grid|--row 100 --last 10 --grid 3:0"
  "row2-ascending|--row 2 --layout ascending"
  "row2-descending|--row 2 --layout descending --grid 1:19"
  "row3-median|--row 3 --median"
  "row7-sieve|--row 7 --sieve $work/patterns.txt"
  "last1-grid|--last 1 --grid 5:2"
  "oldest|--row $rows"
  "next-to-oldest-last3|--row $((rows - 1)) --last 3 --median --layout descending"
)
for setting in "${view_settings[@]}"; do
  label="${setting%%|*}"
  read -r -a args <<< "${setting#*|}"
  for option in $(seq 0 12); do
    run "view-$option-$label" --file "$draws" "${args[@]}" view "$option"
    run "view-$option-$label-chart" --file "$draws" "${args[@]}" view "$option" --chart
  done
done
for option in $(seq 0 12); do
  run "view-$option-empty-chart" --file "$work/empty.txt" view "$option" --chart
  run "view-$option-one-draw-chart" --file "$work/one.txt" view "$option" --chart
done

reports=("Triples not drawn yet" "Free Triples" "Exact Pairs" "Free Pairs" "Free Pairs' Skips" "Find "
         "Exact Triples" "Exact Pairs' Skips" "Exact Triples' Skips" "Free Triples' Skips" "Common Four" "Sum")
report_settings=(
  "plain|"
  "row10-last100|--row 10 --last 100"
  "row3-last1-find|--row 3 --last 1 --find 1,2;3"
  "oldest|--row $rows"
)
for setting in "${report_settings[@]}"; do
  label="${setting%%|*}"
  read -r -a args <<< "${setting#*|}"
  for i in "${!reports[@]}"; do
    run "report-$i-$label" --file "$draws" "${args[@]}" report "${reports[$i]}"
  done
done
for i in "${!reports[@]}"; do
  run "report-$i-empty" --file "$work/empty.txt" report "${reports[$i]}"
done

run table --file "$draws" table
run table-empty --file "$work/empty.txt" table
run state-ones --file "$draws" state 1 1 1 1 1 1 1 1 1 1 1 1
run state-mixed --file "$draws" state 5 3 13.5 abc 0.5 9 -1 0.5 1e1 .5 x 4
run state-empty --file "$work/empty.txt" state 1 2 3 4 5 6 7 8 9 10 11 12

hashes() { (cd "$out" && find . -type f -printf '%P\n' | LC_ALL=C sort | xargs -d '\n' sha256sum); }

case "$mode" in
  record)
    rm -rf "$target"
    mkdir -p "$target"
    cp -r "$out/." "$target/"
    echo "recorded $(find "$target" -type f | wc -l) files in $target"
    ;;
  compare)
    if diff -r "$target" "$out" > "$work/diff"; then
      echo "no differences in $(find "$out" -type f | wc -l) files"
    else
      head -c 20000 "$work/diff"
      echo "differences: $(grep -c '^diff\|^Only' "$work/diff") files"
      exit 1
    fi
    ;;
  hashes)
    hashes
    ;;
  check)
    if diff <(hashes) "$target" > "$work/diff"; then
      echo "no differences in $(wc -l < "$target") cases"
    else
      cat "$work/diff"
      exit 1
    fi
    ;;
  *)
    echo "unknown mode $mode" >&2
    exit 2
    ;;
esac

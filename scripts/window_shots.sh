#!/usr/bin/env bash
# Photographs every window as a desktop shows it: drawlyze on the bundled history
# under Xvfb with openbox, each window opened by clicking or keying as a user
# would, saved with its frame into a folder (default docs/windows/). A New York
# style results export made in a temporary folder shows the import window, which
# is cancelled, so no file changes.
#   scripts/window_shots.sh [BUILD_DIR] [OUT_DIR] [DISPLAY_NUMBER]
# Needs xvfb, openbox, xdotool, x11-utils and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/windows}
export DISPLAY=:${3:-31}
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A display someone else uses would get our window manager and our clicks.
if xdpyinfo >/dev/null 2>&1; then
  echo "window_shots.sh: display $DISPLAY is in use; give another number" >&2
  exit 1
fi
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
if ! kill -0 "${pids[0]}" 2>/dev/null; then
  echo "window_shots.sh: Xvfb did not start on $DISPLAY" >&2
  exit 1
fi
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
cp data/3x10.txt "$work/"
# A few hundred days of a New York style export, newest first, from a fixed seed
# (Park-Miller, exact in awk's doubles).
awk 'function next_random(n) { seed = (seed * 16807) % 2147483647; return seed % n }
BEGIN {
  seed = 20240630; y = 2024; m = 6; d = 30
  split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
  print "Draw Date,Midday Daily #,Evening Daily #,Midday Win 4 #,Evening Win 4 #"
  for (i = 0; i < 400; i++) {
    printf "%02d/%02d/%04d,%03d,%03d,%04d,%04d\n", m, d, y, next_random(1000), next_random(1000),
      next_random(10000), next_random(10000)
    if (--d == 0) {
      if (--m == 0) { m = 12; y-- }
      d = days[m] + (m == 2 && y % 4 == 0 && (y % 100 != 0 || y % 400 == 0))
    }
  }
}' >"$work/ny_numbers.csv"
"$build/bin/drawlyze" "$work/3x10.txt" >/dev/null 2>&1 &
pids+=($!)
sleep 3

# The client area's origin and size of the window titled $1: "X Y W H".
client() {
  xwininfo -name "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
# Waits until a window titled $1 shows (up to $2 seconds, default 60), then lets it paint.
wait_for() {
  local i
  for ((i = 0; i < ${2:-60} * 4; i++)); do
    if xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      sleep 1
      return 0
    fi
    sleep 0.25
  done
  echo "no window titled $1" >&2
  return 1
}
# Clicks at ($2, $3) of the client area of the window titled $1.
click() {
  read -r x y _ _ < <(client "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
  sleep 1.2
}
# Saves the window titled $1 with its frame (as the window manager tells it) as $2.png.
shot() {
  local id left right top bottom x y w h
  id=$(xwininfo -name "$1" | awk '/Window id:/{print $4}')
  read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r x y w h < <(client "$1")
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage \
    -strip "$out/$2.png"
}

main=$(xdotool search --name 'Drawlyze Pick 3' | head -1)
title=$(xdotool getwindowname "$main")
read -r _ _ _ height < <(client "$title")
group=$((height - 296 - 8))  # the option group's top: the table's top

click "$title" 100 $((group + 60))  # the second row of the table
shot "$title" main_window
click "$title" 480 $((group + 277))  # Statistics
shot Statistics statistics
click Statistics 92 $((8 + 32 * 3 + 12))  # Free Pairs
xdotool key ctrl+Home
shot "Free Pairs" report
xdotool key alt+F4
sleep 1
click Statistics 284 20  # Find
shot "Find free combination" find
xdotool key Escape
sleep 1
xdotool key ctrl+Home
xdotool key alt+F4
sleep 1
click Statistics 92 $((8 + 32 * 7 + 12))  # Backtest: its table, and on this screen its chart on a tab
wait_for Backtest 120
shot Backtest backtest_report
xdotool key ctrl+Tab  # the chart's tab
sleep 1
shot Backtest backtest_chart
xdotool key Escape  # with its chart open Esc closes the report
sleep 1
click Statistics 284 $((8 + 32 * 7 + 12))  # Randomness
wait_for Randomness 120
shot Randomness randomness_report
xdotool key alt+F4
sleep 1
click Statistics 92 $((8 + 32 * 6 + 12))  # Table
shot Table table
click Table 56 18  # State
shot State state
xdotool key F1
sleep 1
shot Help help
xdotool key Escape
sleep 0.5
xdotool key Escape  # closes State
sleep 0.5
xdotool key alt+F4  # Table
sleep 0.5
xdotool key Escape  # Statistics
sleep 1
click "$title" 248 $((group + 16 + 10 * 15 + 7))  # the Sieve option
click "$title" 453 $((group + 10 * 16 + 15))  # Sieve
shot Sieve sieve
xdotool key Escape
sleep 1
click "$title" 500 $((group + 10))  # Update
shot Updater updater
click Updater 375 98  # the Source list opens
shot Updater updater_sources
xdotool key Escape  # closes the list
sleep 0.5
xdotool key Escape
sleep 1
xdotool key ctrl+o  # the file dialog of the main window
for ((i = 0; i < 80; i++)); do
  [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" != "$title" ] && break
  sleep 0.25
done
sleep 1
xdotool key ctrl+a
xdotool type --delay 20 "$work/ny_numbers.csv"
xdotool key Return
wait_for Import
shot Import import_window
xdotool key Escape  # cancels: nothing is written
sleep 1
click "$title" 500 $((group + 36))  # Plays
wait_for Plays
click Plays 52 580  # Open…: the example plays on the bundled history
for ((i = 0; i < 80; i++)); do
  [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" != Plays ] && break
  sleep 0.25
done
sleep 1
xdotool key ctrl+a
xdotool type --delay 20 "$PWD/docs/plays_example.csv"
xdotool key Return
# Its wins are announced, unless an earlier run announced them already.
if wait_for "Drawlyze 3x10" 5 2>/dev/null; then
  xdotool key Return
  sleep 1
fi
click Plays 150 $((96 + 20 + 4 * 20 + 10))  # the fifth play: its draws
shot Plays plays
xdotool key Escape
sleep 1
ls -l "$out"

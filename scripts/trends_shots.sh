#!/usr/bin/env bash
# Photographs every chart of the Trends window as a desktop shows it: drawlyze
# on the bundled history under Xvfb with openbox, "Use Last Draws" set to 300
# in the main window, the Trends button clicked, then each tab, each saved
# with its frame as trends_<tab>.png into a folder (default docs/windows/).
#   scripts/trends_shots.sh [BUILD_DIR] [OUT_DIR] [DISPLAY_NUMBER] [SCREEN]
# SCREEN defaults to 1024x768x24. Needs xvfb, openbox, xdotool, x11-utils and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/windows}
export DISPLAY=:${3:-32}
screen=${4:-1024x768x24}
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
if xdpyinfo >/dev/null 2>&1; then
  echo "trends_shots.sh: display $DISPLAY is in use; give another number" >&2
  exit 1
fi
Xvfb "$DISPLAY" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
cp data/3x10.txt "$work/"
"$build/bin/drawlyze" "$work/3x10.txt" >/dev/null 2>&1 &
pids+=($!)
sleep 3

client() {
  xwininfo -name "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
click() {
  read -r x y _ _ < <(client "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
  sleep 1.2
}
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
click "$title" 380 $((group + 240))  # "Use Last Draws": typed, then Enter
xdotool key ctrl+a type 300
xdotool key Return
sleep 1
click "$title" 500 $((group + 200))  # Trends, beside the last options
sleep 1
read -r _ _ width _ < <(client Trends)
names=(skip frequency sum spread rootsum pairs sumcounts)
tab=$(((width - 22) / 7))  # seven tabs across the window, inside its margins
for i in "${!names[@]}"; do
  click Trends $((11 + tab * i + tab / 2)) 22
  xdotool mousemove 0 0
  sleep 1
  shot Trends "trends_${names[$i]}"
done

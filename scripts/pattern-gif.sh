#!/usr/bin/env bash
# Records the built VelmarCube playing a pattern under a private Xvfb and saves a small animated GIF.
# usage: scripts/pattern-gif.sh OUTPUT.gif [PATTERN_INDEX]   (index into the "Fun" list, default 0)
set -euo pipefail
out=$(realpath -m "${1:?output gif}")
index=${2:-0}
cd "$(dirname "$0")/.."
bin=$(realpath "${VELMAR_BIN:-build/dev/app/VelmarCube}")
for tool in import convert xdotool Xvfb; do
  command -v "$tool" >/dev/null || { echo "pattern-gif: needs $tool (apt-get install imagemagick xdotool xvfb)" >&2; exit 1; }
done
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$frames"' EXIT
export DISPLAY=$display
sleep 1
"$bin" >/dev/null 2>&1 &
app=$!
# The window is centred on the screen with no window manager: 466 x 567 at (407, 228).
x0=407 y0=228 panel=$((228 + 351))
sleep 2.5
# The progress bar's spot over the "Fun" group while no pattern plays.
probe='%[pixel:p{150,486}]'
import -window root -crop 466x567+$x0+$y0 +repage "$frames/rest.png"
at_rest=$(convert "$frames/rest.png" -format "$probe" info:)
rm "$frames/rest.png"
# Open the pattern list (its first item is highlighted) and choose with the keyboard, as a person may.
xdotool mousemove $((x0 + 216)) $((panel + 111)) click 1
sleep 0.5
for _ in $(seq 1 "$index"); do xdotool key Down; done
xdotool key Return
# About 10 frames a second, until the progress bar has gone and the panel is bright again.
n=0
while [ $n -lt 400 ]; do
  import -window root -crop 466x567+$x0+$y0 +repage "$frames/$(printf %04d $n).png"
  n=$((n + 1))
  # Once the progress bar has gone again for a few frames, the pattern is done.
  if [ $n -gt 10 ] && [ "$(convert "$frames/$(printf %04d $((n - 1))).png" -format "$probe" info:)" = "$at_rest" ]; then
    stable=$((${stable:-0} + 1))
    [ "$stable" -ge 8 ] && break
  else
    stable=0
  fi
  sleep 0.05
done
kill $app
convert -delay 10 -loop 0 "$frames"/*.png -resize 60% +dither -colors 48 -fuzz 2% -layers OptimizeTransparency "$out"
echo "saved $out ($n frames, $(du -k "$out" | cut -f1) KiB)"

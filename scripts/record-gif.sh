#!/usr/bin/env bash
# Records the built VelmarCube under a private Xvfb and saves a small animated GIF, for the README.
# usage: scripts/record-gif.sh OUTPUT.gif pattern [INDEX]   chooses the INDEXth entry of the "Fun" list (default 0)
#        scripts/record-gif.sh OUTPUT.gif scramble-solve    Ctrl+N, then Ctrl+L once the scramble has played
set -euo pipefail
out=$(realpath -m "${1:?output gif}")
what=${2:?pattern or scramble-solve}
index=${3:-0}
cd "$(dirname "$0")/.."
bin=$(realpath "${VELMAR_BIN:-build/dev/app/VelmarCube}")
for tool in import convert xdotool Xvfb; do
  command -v "$tool" >/dev/null || { echo "record-gif: needs $tool (apt-get install imagemagick xdotool xvfb)" >&2; exit 1; }
done
frames=$(mktemp -d)
XVFB_PID=
trap 'kill $XVFB_PID 2>/dev/null; rm -rf "$frames"' EXIT
source scripts/private-xvfb.sh
start_private_xvfb "$frames/xvfb.log"
"$bin" >/dev/null 2>&1 &
app=$!
# The window is centred on the screen with no window manager: 466 x 567 at (407, 228).
x0=407 y0=228 panel=$((228 + 351))
sleep 2.5
# The progress bar's spot over the "Fun" group while nothing plays.
probe='%[pixel:p{150,486}]'
import -window root -crop 466x567+$x0+$y0 +repage "$frames/rest.png"
at_rest=$(convert "$frames/rest.png" -format "$probe" info:)
rm "$frames/rest.png"

n=0
began=$(date +%s%N)
# About 10 frames a second until the progress bar has come and gone again, plus a short still ending.
record_until_played() {
  local start=$n stable=0
  while [ $((n - start)) -lt 600 ]; do
    import -window root -crop 466x567+$x0+$y0 +repage "$frames/$(printf %04d $n).png"
    n=$((n + 1))
    if [ $((n - start)) -gt 10 ] && [ "$(convert "$frames/$(printf %04d $((n - 1))).png" -format "$probe" info:)" = "$at_rest" ]; then
      stable=$((stable + 1))
      [ "$stable" -ge 8 ] && return
    else
      stable=0
    fi
    sleep 0.05
  done
}

case $what in
  pattern)
    # Open the pattern list (its first item is highlighted) and choose with the keyboard, as a person may.
    xdotool mousemove $((x0 + 216)) $((panel + 111)) click 1
    sleep 0.5
    for _ in $(seq 1 "$index"); do xdotool key Down; done
    xdotool key Return
    record_until_played
    ;;
  scramble-solve)
    # A click on the view's background first, as a person would: with no window manager the window is
    # not active until then, and the Ctrl shortcuts act only in the active window.
    xdotool mousemove $((x0 + 20)) $((y0 + 20)) click 1
    sleep 0.3
    xdotool key ctrl+n
    record_until_played
    xdotool key ctrl+l
    record_until_played
    ;;
  *) echo "record-gif: pattern or scramble-solve, not $what" >&2; exit 1 ;;
esac
kill $app
# Each frame shown for as long as it took on average, so the image plays at the speed it was recorded.
delay=$((($(date +%s%N) - began) / 10000000 / n))
convert -delay "$delay" -loop 0 "$frames"/*.png -resize 60% +dither -colors 48 -fuzz 2% -layers OptimizeTransparency "$out"
echo "saved $out ($n frames, $(du -k "$out" | cut -f1) KiB)"

#!/usr/bin/env bash
# Starts the built VelmarCube under a private Xvfb and saves a PNG of its window.
# usage: scripts/screenshot.sh OUTPUT.png [SECONDS]
set -euo pipefail
out=$(realpath -m "${1:?output png}")
wait_s=${2:-2}
cd "$(dirname "$0")/.."
bin=${VELMAR_BIN:-build/dev/app/VelmarCube}
command -v import >/dev/null || { echo "screenshot: needs ImageMagick (apt-get install imagemagick)" >&2; exit 1; }
# The window is centred on a 1280 x 1024 screen with no window manager: 466 x 567 at (407, 228).
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & pid=$!
  sleep "$3"
  import -window root -crop 466x567+407+228 +repage "$2"
  kill $pid
' _ "$bin" "$out" "$wait_s"
echo "saved $out"

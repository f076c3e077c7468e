#!/usr/bin/env bash
# Starts VelmarCube under a private Xvfb, optionally types move letters, and saves a PNG of the screen.
# usage: scripts/screenshot.sh OUTPUT.png [MOVES] [SECONDS]
set -euo pipefail
out=${1:?output png}
moves=${2:-}
wait_s=${3:-2}
bin=${VELMAR_BIN:-build/dev/app/VelmarCube}
cd "$(dirname "$0")/.."
out=$(realpath -m "$out")
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & pid=$!
  sleep 1.5
  if [ -n "$2" ]; then
    command -v xdotool >/dev/null && xdotool search --name "Velmar" windowactivate --sync type --delay 150 "$2"
  fi
  sleep "$4"
  if command -v import >/dev/null; then import -window root "$3"; else xwd -root -silent | convert xwd:- "$3"; fi
  kill $pid
' _ "$bin" "$moves" "$out" "$wait_s"
echo "saved $out"

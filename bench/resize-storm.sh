#!/usr/bin/env bash
# What memory a once-larger window leaves behind. Starts VelmarCube on a private Xvfb (screen 1280x1024x24,
# as xvfb-run -s gives; no window manager: the program's own window is moved and resized directly), reads
# its resident memory (VmRSS of /proc/PID/status) 3 s after the window maps, then drives a storm with
# xdotool: the window resized up to 1280 x 1000 and back, in jumps and in sweeps as a dragged border makes
# them, move letters typed and drags on the view at every size. The window is then put back to its first
# size, 466 x 567, left until its memory stops moving, and read again. Prints both readings of every run
# and their medians. The view's multisampled buffers and the renderer's working blocks grow with the
# window: what the program holds back at its first size beyond what it held at start is what the
# allocator kept of them, or the driver still holds.
# usage: bench/resize-storm.sh [RUNS]     (default 5, after one warm-up run that fills the shader cache;
#        about 70 s a run; needs xvfb and xdotool). VELMAR=path/to/VelmarCube measures another build of
#        the program; ROUNDS=N sets the rounds of the storm (default 3).
set -euo pipefail
runs=${1:-5}
rounds=${ROUNDS:-3}
[ -n "${VELMAR:-}" ] && VELMAR=$(realpath -m "$VELMAR")
cd "$(dirname "$0")/.."
velmar=${VELMAR:-${VELMAR_BUILD:-build/dev}/app/VelmarCube}
[ -x "$velmar" ] || { echo "resize-storm: $velmar is not built (make build)" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "resize-storm: needs $tool (apt-get install xvfb xdotool)" >&2; exit 1; }
done

work=$(mktemp -d)
XVFB_PID=
APP_PID=
trap 'kill $APP_PID $XVFB_PID 2>/dev/null; rm -rf "$work"' EXIT
# The same server as xvfb-run -a -s "-screen 0 1280x1024x24", on a display that is surely free.
source scripts/private-xvfb.sh
start_private_xvfb "$work/xvfb.log"

rss_mib() { awk '/^VmRSS/ { printf "%.1f\n", $2 / 1024 }' "/proc/$1/status"; }

# Resident memory once it has stopped moving: the same reading twice, 1 s apart (at most 20 s).
settled_rss() {
  local last now
  last=$(rss_mib "$1")
  for _ in $(seq 20); do
    sleep 1
    now=$(rss_mib "$1")
    [ "$now" = "$last" ] && break
    last=$now
  done
  echo "$now"
}

resize() {
  xdotool windowsize "$wid" "$1" "$2"
  sleep "${3:-0.4}"
}

# A press on the view, a move in steps, a release: from the middle a sticker drag (a face turn), from
# near a corner a turn of the whole cube. The view fills the window above the 216 px panel.
drag_on_view() {
  local w h x y from step
  read -r w h < <(xdotool getwindowgeometry --shell "$wid" | awk -F= '/^WIDTH/ { w = $2 } /^HEIGHT/ { h = $2 } END { print w, h }')
  h=$((h - 216))
  for from in "$((w / 2)) $((h / 2))" "$((w / 8)) $((h / 8))"; do
    read -r x y <<<"$from"
    xdotool mousemove --window "$wid" "$x" "$y" mousedown 1
    for step in 1 2 3 4 5 6; do
      xdotool mousemove --window "$wid" "$((x + step * w / 20))" "$((y + step * h / 40))"
      sleep 0.03
    done
    xdotool mouseup 1
    sleep 0.3
  done
}

type_moves() {
  xdotool windowfocus "$wid" 2>/dev/null || true
  xdotool type --delay 120 "$1"
  sleep 0.6
}

storm() {
  local letters=(RgWbyO OybWgR rGwByo) round size w
  for round in $(seq "$rounds"); do
    # Jumps between far-apart sizes, the largest first.
    for size in "1280 1000" "700 1000" "1280 640" "900 800" "1280 1000" "520 600"; do
      resize "${size% *}" "${size#* }"
      type_moves "${letters[$((round % 3))]}"
      drag_on_view
    done
    # A border dragged out to the largest size and back, a size every 30 ms.
    for w in $(seq 466 48 1280) $(seq 1280 -48 466); do
      resize "$w" $((567 + (w - 466) * 433 / 814)) 0.03
    done
    sleep 0.5
  done
}

run_once() {
  local out=$1 home found start end geometry
  home=$(mktemp -d -p "$work")
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_CACHE_HOME="$work/cache" "$velmar" >/dev/null 2>&1 &
  APP_PID=$!
  found=
  for _ in $(seq 200); do
    found=$(xdotool search --onlyvisible --name "^Velmar's Cube" 2>/dev/null | tail -n 1) && [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || { echo "resize-storm: no window" >&2; return 1; }
  sleep 3
  # The window first found may have been replaced while the program set up its view: ask again.
  wid=$(xdotool search --onlyvisible --name "^Velmar's Cube" | tail -n 1)
  start=$(rss_mib "$APP_PID")
  # Centred on the screen the largest size would not fit: to its top left corner.
  xdotool windowmove "$wid" 0 0
  storm
  resize 466 567 1
  end=$(settled_rss "$APP_PID")
  geometry=$(xdotool getwindowgeometry "$wid" | awk '/Geometry/ { print $2 }')
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
  echo "$start $end $geometry" >>"$out"
  echo "resize-storm: at start $start MiB, back at $geometry after the storm $end MiB" >&2
}

echo "resize-storm: $velmar, one warm-up run, then $runs runs of $rounds rounds" >&2
run_once "$work/warm"
for _ in $(seq "$runs"); do run_once "$work/runs"; done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
start=$(awk '{ print $1 }' "$work/runs" | median)
end=$(awk '{ print $2 }' "$work/runs" | median)
printf "resident memory, medians of %s runs (MiB): at start %s, back at 466x567 after the storm %s (%+.1f)\n" \
  "$runs" "$start" "$end" "$(awk -v a="$end" -v b="$start" 'BEGIN { print a - b }')"

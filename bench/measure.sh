#!/usr/bin/env bash
# Measures VelmarCube from outside, as a user's machine sees it, against the floor: a bare OpenGL view
# of the same size and surface format that only clears itself (and, as "floor30", repaints every 30 ms).
# Runs under a private Xvfb, the programs interleaved, one warm-up each, then RUNS counted runs, and
# prints medians and ratios.
# usage: bench/measure.sh [RUNS]        (default 5; needs xvfb, xdotool, libx11-dev and a C compiler)
#        FLOOR_ARGS=--native bench/measure.sh   measures against a floor drawn in a native OpenGL window,
#        as the program's view is, instead of a QOpenGLWidget composited into its window.
#        LETTERS=1 bench/measure.sh   measures the program with the letters on its stickers (Ctrl+T first).
#        COLD=1 bench/measure.sh   gives every run an empty cache folder, as on a first launch: the
#        driver then compiles the shaders anew instead of taking them from its shader cache. By default
#        each program keeps one cache folder over its runs (the warm-up fills it), as every later
#        launch on a user's machine does.
set -euo pipefail
runs=${1:-5}
cd "$(dirname "$0")/.."
build=${VELMAR_BUILD:-build/dev}
velmar=$build/app/VelmarCube
floor=$build/bench/velmar_floor
for f in "$velmar" "$floor"; do [ -x "$f" ] || { echo "measure: $f is not built (make build)" >&2; exit 1; }; done
for tool in Xvfb xdotool cc; do
  command -v "$tool" >/dev/null || { echo "measure: needs $tool (apt-get install xvfb xdotool libx11-dev gcc)" >&2; exit 1; }
done

tools=$(realpath -m "$build/bench-tools")
mkdir -p "$tools"
[ "$tools/swapcount.so" -nt bench/tools/swapcount.c ] || cc -O2 -shared -fPIC -o "$tools/swapcount.so" bench/tools/swapcount.c -ldl
[ "$tools/waitmapped" -nt bench/tools/waitmapped.c ] || cc -O2 -o "$tools/waitmapped" bench/tools/waitmapped.c -lX11

work=$(mktemp -d)
XVFB_PID=
trap 'kill $XVFB_PID 2>/dev/null; pkill -P $$ 2>/dev/null; rm -rf "$work"' EXIT
source scripts/private-xvfb.sh
start_private_xvfb "$work/xvfb.log"

hz=$(getconf CLK_TCK)
now_us() { local t=$EPOCHREALTIME; echo "${t/./}"; }
# CPU time of the process, all its threads, in ticks.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
swaps() { [ -f "$1" ] && wc -l <"$1" || echo 0; }
swaps_after() { awk -v t="$2" '$1 > t' "$1" | head -n "${3:-1000000}"; }

# CPU (percent of one core), frames per second and CPU per frame (ms) over `seconds`.
profile() {
  local pid=$1 log=$2 seconds=$3 t0 f0 t1 f1
  t0=$(ticks "$pid"); f0=$(swaps "$log")
  sleep "$seconds"
  t1=$(ticks "$pid"); f1=$(swaps "$log")
  awk -v dt=$((t1 - t0)) -v df=$((f1 - f0)) -v s="$seconds" -v hz="$hz" \
    'BEGIN { cpu = dt / hz; printf "%.1f %.1f %s\n", 100 * cpu / s, df / s, (df > 0 ? sprintf("%.1f", 1000 * cpu / df) : "NA") }'
}

# Starts a program with the swap counter; prints "pid log map_ms first_frame_ms".
launch() {
  local name=$1; shift
  local log=$work/swaps.$RANDOM home t0 found wid tmap first
  home=$(mktemp -d -p "$work")
  local cache=$work/cache.${name// /_}
  [ -n "${COLD:-}" ] && cache=$home/.cache
  t0=$(now_us)
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_CACHE_HOME="$cache" SWAPLOG="$log" \
    LD_PRELOAD="$tools/swapcount.so" "$@" >/dev/null 2>&1 &
  local pid=$!
  found=$("$tools/waitmapped" "^$name" 20) || { echo "measure: no window for $name" >&2; kill "$pid"; return 1; }
  wid=${found% *}; tmap=${found#* }
  for _ in $(seq 1 2000); do [ -s "$log" ] && break; sleep 0.005; done
  first=$(head -n 1 "$log")
  echo "$pid $log $wid $(( (tmap - t0) / 1000 )) $(( (first - t0) / 1000 ))"
}

rss_mib() { awk '/^VmRSS/ { printf "%.1f\n", $2 / 1024 }' "/proc/$1/status"; }

# One run of the program: start-up, memory, idle, key latency, turning, auto-rotating.
run_velmar() {
  local out=$1 pid log wid map first rss idle
  read -r pid log wid map first < <(launch "Velmar's Cube" "$velmar")
  sleep 3
  rss=$(rss_mib "$pid")
  if [ -n "${LETTERS:-}" ]; then
    wid=$(xdotool search --onlyvisible --name "^Velmar's Cube" | tail -n 1)
    xdotool windowfocus "$wid"
    xdotool key ctrl+t
  fi
  sleep 1 # the start-up hints have faded by now
  idle=$(profile "$pid" "$log" 5)
  # Key to first changed frame, and how long the turn's frames last beyond its duration (0.5 s turns).
  # The window first found may have been replaced while the program set up its view: ask again.
  wid=$(xdotool search --onlyvisible --name "^Velmar's Cube" | tail -n 1)
  xdotool windowfocus "$wid"
  sleep 0.5
  local lat=() over=() k t f l
  for k in R r W w; do
    t=$(now_us)
    xdotool key "$k"
    sleep 1.2
    f=$(swaps_after "$log" "$t" 1)
    l=$(swaps_after "$log" "$t" | tail -n 1)
    lat+=($(( (f - t) / 1000 ))); over+=($(( (l - f) / 1000 - 500 )))
  done
  # Turning without a pause: a letter every half turn for 5 s.
  ( for _ in $(seq 1 11); do xdotool key R; sleep 0.5; done ) &
  local typist=$!
  sleep 0.3
  local turning
  turning=$(profile "$pid" "$log" 4)
  wait $typist
  sleep 1
  # All three auto-rotations: the three check boxes beside the dials.
  local geo wx wy
  geo=$(xdotool getwindowgeometry "$wid" | awk '/Position/ { print $2 }')
  wx=${geo%,*}; wy=${geo#*,}
  for y in 405 449 496; do xdotool mousemove $((wx + 88)) $((wy + y)) click 1; sleep 0.1; done
  sleep 1
  local spinning
  spinning=$(profile "$pid" "$log" 5)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$map $first $rss $idle $(printf '%s\n' "${lat[@]}" | sort -n | sed -n 2p) $(printf '%s\n' "${over[@]}" | sort -n | tail -n 1) $turning $spinning" >>"$out"
}

run_floor() {
  local out=$1 pid log wid map first rss idle
  read -r pid log wid map first < <(launch "Velmar floor" "$floor" ${FLOOR_ARGS:-})
  sleep 3
  rss=$(rss_mib "$pid")
  sleep 1
  idle=$(profile "$pid" "$log" 5)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  read -r pid log wid map2 first2 < <(launch "Velmar floor" "$floor" ${FLOOR_ARGS:-} --animate)
  sleep 2
  local animating
  animating=$(profile "$pid" "$log" 5)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$map $first $rss $idle $animating" >>"$out"
}

echo "measure: warm-up, then $runs runs of each, interleaved (about $((runs * 40)) s)" >&2
run_velmar "$work/warm" && run_floor "$work/warm"
for i in $(seq 1 "$runs"); do
  run_floor "$work/floor"
  run_velmar "$work/velmar"
done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "NA"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
col() { awk -v c="$2" '{ print $c }' "$1" | grep -v NA | median; }
V=$work/velmar F=$work/floor
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "NA" || b == "NA" || b == 0) print "NA"; else printf "%.2f\n", a / b }'; }
row() { printf "%-42s %10s %10s %8s\n" "$@"; }

caches="caches kept from the warm-up"
[ -n "${COLD:-}" ] && caches="every launch a first one (empty caches)"
printf "medians of %s runs on %s (Xvfb, llvmpipe), floor %s, %s\n" "$runs" "$(nproc) cores" \
  "${FLOOR_ARGS:-as a QOpenGLWidget}" "$caches"
row "figure" "floor" "VelmarCube" "ratio"
row "launch -> window mapped (ms)" "$(col $F 1)" "$(col $V 1)" "$(ratio "$(col $V 1)" "$(col $F 1)")"
row "launch -> first frame (ms)" "$(col $F 2)" "$(col $V 2)" "$(ratio "$(col $V 2)" "$(col $F 2)")"
row "resident memory 3 s after map (MiB)" "$(col $F 3)" "$(col $V 3)" \
  "$(awk -v a="$(col $V 3)" -v b="$(col $F 3)" 'BEGIN { printf "%+.1f\n", a - b }')"
row "idle CPU (% of a core), frames/s over 5 s" "$(col $F 4), $(col $F 5)" "$(col $V 4), $(col $V 5)" ""
row "key -> next frame (ms)" "" "$(col $V 7)" ""
row "a 0.5 s turn's last frame after its first, - 0.5 s (ms)" "" "$(col $V 8)" ""
row "CPU per frame turning (ms), frames/s" "$(col $F 9) (30)" "$(col $V 11), $(col $V 10)" "$(ratio "$(col $V 11)" "$(col $F 9)")"
row "CPU per frame auto-rotating (ms), frames/s" "$(col $F 9) (30)" "$(col $V 14), $(col $V 13)" "$(ratio "$(col $V 14)" "$(col $F 9)")"

#!/usr/bin/env bash
# Runs CTest for one build preset; without a display, under a private Xvfb large and deep enough for the window.
set -euo pipefail
preset=${1:-dev}
cd "$(dirname "$0")/.."

run=(ctest --preset "$preset" --output-on-failure)
if [ "$preset" = asan ]; then
  run+=(--stop-on-failure)
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}"
fi
exec "${run[@]}"

#!/usr/bin/env bash
# Runs CTest for one build preset; without a display, under a private Xvfb large and deep enough for the window.
set -euo pipefail
preset=${1:-dev}
cd "$(dirname "$0")/.."

run=(ctest --preset "$preset" --output-on-failure)
# A private session bus, as a desktop has: without one, every Qt process forks a D-Bus autolaunch from its
# D-Bus thread, and after that failed launch LeakSanitizer can trip over a dynamic TLS block it misreads.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  run=(dbus-run-session -- "${run[@]}")
fi
if [ "$preset" = asan ]; then
  run+=(--stop-on-failure)
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}"
fi
exec "${run[@]}"

#!/usr/bin/env bash
# Starts the program with Qt's accessibility on in a private session with its own accessibility bus
# (run-with-accessibility.sh), and the AT-SPI checks against it; everything it started ends with it.
# Usage: run-screen-reader-test.sh <VelmarCube binary>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --in-session ]; then
  exec "$here/run-with-accessibility.sh" "$0" --in-session "$@"
fi
"$2" &
export VELMAR_PROGRAM_PID=$!
trap 'kill $VELMAR_PROGRAM_PID 2>/dev/null || true' EXIT
/usr/bin/python3 "$here/screen_reader_view.py"

# Sourced by the scripts that need an X server of their own: `start_private_xvfb LOG` starts Xvfb on a
# display it picks itself (never one in use, which a guessed number can be), waits until it accepts
# clients, exports DISPLAY and sets XVFB_PID. The caller stops it (kill "$XVFB_PID").
start_private_xvfb() {
  local log=$1 fd display
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
  XVFB_PID=$!
  if ! read -r -t 30 -u "$fd" display; then
    echo "Xvfb did not start:" >&2
    cat "$log" >&2
    return 1
  fi
  exec {fd}>&-
  export DISPLAY=:$display
}

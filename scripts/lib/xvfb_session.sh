# Sourced by the stages that run Wine on a virtual display. start_xvfb WIDTHxHEIGHT LOGDIR
# starts Xvfb on a free display number (-noreset keeps the root picture when the last client
# leaves) and exports DISPLAY; stop_session ends Wine's services of WINEPREFIX and that display.
# Both only touch what this shell started.
# shellcheck shell=bash

xvfb_pid=""

start_xvfb() {
  local size="$1" logdir="$2" n
  local number=""
  for n in $(seq 141 190); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      number=$n
      break
    fi
  done
  [ -n "$number" ] || { echo "no free X display number"; return 1; }
  Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -noreset >"$logdir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$number"
  for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start"; cat "$logdir/xvfb.log"; return 1; }
    sleep 0.1
  done
  echo "Xvfb did not answer"
  return 1
}

stop_session() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}

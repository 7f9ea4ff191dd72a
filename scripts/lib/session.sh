# Sourced by scripts/run and scripts/test: a Wine prefix and an X display of
# our own, and the stop of exactly what we started.

wine_prefix_init() {
  export WINEPREFIX=${WINEPREFIX:-$root/build/wine}
  export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== making the Wine prefix $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
  fi
  # Persistent until `wineserver -k` in session_stop.
  wineserver -p
  wine_started=1
  # The first program of a session starts Wine's background services, which
  # inherit its output; started here, they hold no pipe a test runner reads.
  timeout 120 wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

xvfb_start() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "no free X display for Xvfb" >&2
  return 1
}

session_stop() {
  if [ -n "${wine_started:-}" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  if [ -n "${xvfb_pid:-}" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}

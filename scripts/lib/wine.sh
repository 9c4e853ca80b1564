# Wine and Xvfb for the i686 programs on a machine that runs them itself. Source it; it defines
#   wine_env PREFIX   exports WINEPREFIX (private, inside the build tree) and friends
#   wine_prepare      creates the prefix once and waits for its server to settle
#   xvfb_start        starts a private Xvfb and exports DISPLAY
#   wine_xvfb_stop    ends the prefix's wineserver and our Xvfb (safe to call twice)

WINE64=""
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 2>/dev/null)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then WINE64=$candidate; break; fi
done
WINESERVER=""
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver "$(command -v wineserver 2>/dev/null)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then WINESERVER=$candidate; break; fi
done
export WINE64 WINESERVER
_xvfb_pid=""

wine_env() {
  export WINEPREFIX=$1
  export WINEARCH=win64
  export WINEDEBUG=-all
  # No Mono or Gecko installer prompts: the tests need neither.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

wine_prepare() {
  [ -n "$WINE64" ] || { echo "wine64 not found" >&2; return 1; }
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot --init >/dev/null 2>&1 </dev/null
  fi
  "$WINESERVER" -w
}

xvfb_start() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  _xvfb_pid=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

wine_xvfb_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -n "$WINESERVER" ]; then
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
  fi
  if [ -n "$_xvfb_pid" ]; then
    kill "$_xvfb_pid" >/dev/null 2>&1 || true
    wait "$_xvfb_pid" 2>/dev/null || true
    _xvfb_pid=""
  fi
}

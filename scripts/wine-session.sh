# Sourced by the scripts that run Windows programs here: a Wine prefix of the build's own
# and an X display. Usage: wine_session_start BUILD_DIR; the caller's trap calls wine_session_stop.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

wine_session_start() {
  local build_dir
  build_dir=$(cd "$1" && pwd)
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # No Mono or Gecko installer dialogs when the prefix is made: the program needs neither.
  export WINEDLLOVERRIDES="mscoree=;mshtml="

  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
  fi

  # A persistent server and a booted prefix before any test: without them each test program
  # waits for Wine's background processes to let go of ctest's output pipe.
  mkdir -p "$WINEPREFIX"
  "$WINESERVER" -p
  "$WINE64" wineboot -i >/dev/null 2>&1 </dev/null || true
  # Xvfb runs no window manager: Wine would wait two seconds for one at every hide. Unmanaged
  # windows need no answer.
  "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
  # One program holds the desktop for the whole session, so that it is not ended and started
  # again between two test programs (see tests/support/desktop_keeper.cpp).
  if [ -f "$build_dir/bin/desktop_keeper.exe" ]; then
    "$WINE64" "$build_dir/bin/desktop_keeper.exe" </dev/null >/dev/null 2>&1 &
  fi
}

wine_session_stop() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
  return 0
}

# The Windows form (Z:\...) of a Linux path, for commands run inside Wine.
winepath_of() {
  printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}

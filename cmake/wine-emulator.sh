#!/usr/bin/env bash
# wine-emulator.sh PREFIX PROGRAM ARGS...: how ctest runs a win64 program. The test scripts set
# WINEPREFIX and WINEDEBUG themselves; a bare ctest (listing the tests, say) gets the build's own
# prefix instead of making ~/.wine, and no debug chatter.
export WINEPREFIX=${WINEPREFIX:-$1}
export WINEDEBUG=${WINEDEBUG:--all}
shift
exec /usr/lib/wine/wine64 "$@"

#!/usr/bin/env bash
# The one test command: installs what is missing, builds the native, win32 and win64 trees,
# and runs every test (the win64 programs under Wine and Xvfb). Ends in ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/bootstrap.sh

for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

. scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start build/win64

ctest --test-dir build/win64 --output-on-failure --no-label-summary -j2 "$@"

#!/usr/bin/env bash
# The run command: builds setup.exe and the engine stand-ins, puts them beside a copy of the demo
# program directory and starts the program under Wine. With a display the real dialog opens; without
# one the script starts Xvfb, saves a screenshot of the dialog, closes it with Enter and prints the
# settings files that the program saved.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/bootstrap.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target setup torven_v torven_l

scratch=${SETUP_RUN_DIR:-$(mktemp -d /tmp/setup-run.XXXXXX)}
cp -r demo/. "$scratch/"
rm -f "$scratch/README.txt"
cp build/win64/bin/setup.exe build/win64/bin/torven_v.dll build/win64/bin/torven_l.dll "$scratch/"

interactive=false
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then interactive=true; fi

. scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start build/win64

# git keeps no DOS attributes: switch the demo plugin "notes" off here.
"$WINE64" cmd /c attrib +h "$(winepath_of "$scratch/plugin/notes")" >/dev/null 2>&1 || true

cd "$scratch"
if $interactive; then
  echo "running $scratch/setup.exe"
  "$WINE64" setup.exe
  exit 0
fi

"$WINE64" setup.exe &
program=$!
window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --class setup.exe 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the dialog did not appear"; kill $program; exit 1; }
sleep 1
shot="$scratch/screenshot.png"
import -window root -crop "$(xdotool getwindowgeometry --shell "$window" |
  awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}/^X/{x=$2}/^Y/{y=$2}END{printf "%dx%d+%d+%d",w,h,x,y}')" "$shot"
echo "screenshot: $shot"

xdotool windowactivate --sync "$window" key Return 2>/dev/null || xdotool key --window "$window" Return
wait $program
echo "exit code: $?"
for f in profile/mainform.txt profile/zelloc.txt; do
  echo "--- $f"
  cat -A "$f"
done

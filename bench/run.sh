#!/usr/bin/env bash
# Runs every benchmark and prints a small table of figures, each against a baseline measured in
# the same run: start-up and peak memory of setup.exe against a bare window under Wine, the store
# against plain buffered I/O (host), ScanAddons against a plain listing, and the shipped sizes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-7}

# set -e alone would end the script without a word; say which line failed.
trap 'echo "bench/run.sh: line $LINENO failed" >&2' ERR

bash scripts/bootstrap.sh
for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  # Ninja reports compile errors on its standard output: keep it, and show its end on failure.
  if ! log=$(cmake --build --preset "$preset" 2>&1); then
    printf '%s\n' "$log" | tail -n 40 >&2
    echo "bench/run.sh: the $preset build failed" >&2
    exit 1
  fi
done

rows=()
row() { rows+=("$(printf '| %-44s | %14s | %14s | %7s | %-9s |' "$@")"); }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2fx", a/b}'; }

# --- start-up and memory under Wine and Xvfb
. scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start build/win64
scratch=$(mktemp -d /tmp/setup-bench.XXXXXX)
cp -r demo/. "$scratch/"
cp build/win64/bin/{setup.exe,torven_v.dll,torven_l.dll,bare_window.exe,launchtimer.exe} "$scratch/"
(cd "$scratch" && "$WINE64" launchtimer.exe bare_window.exe 1 >/dev/null)   # warm the caches
bare=$(cd "$scratch" && "$WINE64" launchtimer.exe bare_window.exe "$runs")
setup=$(cd "$scratch" && "$WINE64" launchtimer.exe setup.exe "$runs")
bare_ms=$(awk '{print $1}' <<<"$bare" | median); setup_ms=$(awk '{print $1}' <<<"$setup" | median)
bare_kb=$(awk '{print $2}' <<<"$bare" | median); setup_kb=$(awk '{print $2}' <<<"$setup" | median)
row "start-up to visible window (ms, median of $runs)" "$setup_ms" "$bare_ms" "$(ratio "$setup_ms" "$bare_ms")" "1.25x"
row "peak working set (KB, median of $runs)" "$setup_kb" "$bare_kb" "$(ratio "$setup_kb" "$bare_kb")" "1.5x"

# --- ScanAddons with 5,000 add-ons against a plain listing plus reading the same files. The
# bench prints one line per category it times, for example
#   plugins: 5000 add-ons (473890 description bytes); list+read 705.4 ms, ScanAddons 940.0 ms, ratio 1.33
if [ -f build/win64/bin/addons_bench.exe ]; then
  scan=$(cd build/win64/bin && "$WINE64" addons_bench.exe 2>/dev/null | tr -d '\r' || true)
  while read -r count scan_ms plain_ms category; do
    count=$(sed -E ':a; s/([0-9])([0-9]{3})($|,)/\1,\2\3/; ta' <<<"$count")   # 5000 -> 5,000
    row "ScanAddons, $count $category (ms)" "$scan_ms" "$plain_ms" "$(ratio "$scan_ms" "$plain_ms")" "1.5x"
  done < <(sed -nE 's/^([a-z ]+): ([0-9]+) add-ons .*list\+read ([0-9.]+) ms, ScanAddons ([0-9.]+) ms.*/\2 \4 \3 \1/p' <<<"$scan")
fi
wine_session_stop
rm -rf "$scratch"

# --- the store (host, Google Benchmark)
json=$(build/native/bin/store_bench --benchmark_repetitions=3 --benchmark_format=json 2>/dev/null)
figure() { python3 -c 'import json,sys; d=json.load(sys.stdin); print([b["real_time"] for b in d["benchmarks"] if b["name"]==sys.argv[1]][0])' "$1" <<<"$json"; }
load=$(figure BM_ProfileLoad10MB_median); read_=$(figure BM_PlainRead10MB_median)
save=$(figure BM_ProfileSave10MB_median); write=$(figure BM_PlainWrite10MB_median)
lastkey=$(figure BM_ReadLastKey100kLines_median)
row "load a 10 MB profile (ms)" "$(printf %.1f "$load")" "$(printf %.1f "$read_")" "$(ratio "$load" "$read_")" "2x"
row "save a 10 MB profile (ms)" "$(printf %.1f "$save")" "$(printf %.1f "$write")" "$(ratio "$save" "$write")" "2x"
row "read the last key of 100,000 lines (us)" "$(printf %.0f "$lastkey")" "" "" ""

# --- shipped sizes (win32)
for f in setup.exe torven_v.dll torven_l.dll; do
  row "size of win32 $f (bytes)" "$(stat -c %s build/win32/bin/$f)" "" "" ""
done

printf '| %-44s | %14s | %14s | %7s | %-9s |\n' "figure" "measured" "baseline" "ratio" "aim"
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..46})" "$(printf -- '-%.0s' {1..16})" "$(printf -- '-%.0s' {1..16})" "$(printf -- '-%.0s' {1..9})" "$(printf -- '-%.0s' {1..11})"
printf '%s\n' "${rows[@]}"

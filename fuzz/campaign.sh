#!/usr/bin/env bash
# campaign.sh [SECONDS [TARGET...]]: a longer fuzzing campaign, each target (default: all) for
# SECONDS (default 600) over its seeds, new inputs kept in build/fuzz-corpus/<target>. Prints
# each target's executions and any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
bash scripts/bootstrap.sh
cmake --preset native >/dev/null && cmake --build --preset native >/dev/null
shift $(( $# > 0 ? 1 : 0 ))
targets=${*:-$(sed -n 's/^set(FUZZ_TARGETS \(.*\))/\1/p' fuzz/targets.cmake)}
for t in $targets; do
  corpus=build/fuzz-corpus/$t
  mkdir -p "$corpus" build/fuzz-findings
  echo "== $t"
  build/native/bin/fuzz_$t -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz-findings/$t- "$corpus" fuzz/corpus/$t 2>&1 |
    grep -E 'executed_units|property failed|ERROR|SUMMARY' || true
done

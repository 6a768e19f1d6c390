#!/usr/bin/env bash
# smoke.sh BINARY SEEDS SECONDS: runs one fuzz target briefly over its seed corpus. New inputs go
# to a scratch directory, never into the committed seeds.
set -euo pipefail
binary=$1 seeds=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$binary" -max_total_time="$seconds" -print_final_stats=1 "$scratch" "$seeds" 2>&1 | tail -n 12

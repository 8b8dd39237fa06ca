#!/bin/sh
# Runs every fuzz target for a short time (FUZZ_SECONDS, default 20 each).
set -eu
build=${1:-build-fuzz}
secs=${FUZZ_SECONDS:-20}
for f in "$build"/bin/fuzz_*; do
  name=$(basename "$f")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name ($secs s)"
  "$f" -max_total_time="$secs" -max_len=4096 -print_final_stats=0 "$corpus" 2>&1 | tail -2
done

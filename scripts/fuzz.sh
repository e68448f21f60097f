#!/usr/bin/env bash
# Builds the fuzz targets and runs each in turn for SECONDS (default 600). The
# inputs they find are kept in build/fuzz/fuzz/corpus/TARGET, beside the checked-in
# seeds of fuzz/corpus/TARGET, so each run goes on from the last. A finding stops
# its target and leaves crash-* (the input) in the current folder.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=0
for target in build/fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  found=build/fuzz/fuzz/corpus/$name
  mkdir -p "$found"
  echo "== $name: $seconds s"
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$found" "fuzz/corpus/$name" || status=1
done
exit $status

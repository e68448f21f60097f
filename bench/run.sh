#!/usr/bin/env bash
# Builds the bench preset (the release build with the benchmarks switched on) and
# runs every benchmark against the default modules in build/release/run, the run
# folder ./run.sh uses (made first when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
[ -s build/release/run/COMMON.DIC ] || scripts/make-default-modules.sh build/release/run
export UNDERTEXT_DICT_DIR="$root/build/release/run"
for bench in build/bench/bin/*_bench; do
  "$bench" "$@"
done

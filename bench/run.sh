#!/usr/bin/env bash
# Builds the release preset and runs every benchmark against the default modules
# in build/release/run (made first when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
[ -s build/release/run/COMMON.DIC ] || scripts/make-default-modules.sh build/release/run
export UNDERTEXT_DICT_DIR="$root/build/release/run"
for bench in build/release/bin/*_bench; do
  "$bench" "$@"
done

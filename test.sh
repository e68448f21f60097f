#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite in each
# developer preset: the release build, the debug build under AddressSanitizer and
# UndefinedBehaviorSanitizer (assertions on), and the build without the windows
# (which proves the cores and the batch tool need no Qt).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

for preset in release asan core; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: tests"
  ctest --preset "$preset"
done

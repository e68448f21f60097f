#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: in the
# release build and under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

for preset in release asan; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: tests"
  ctest --preset "$preset"
done

# Every fuzz target for about 20 s (scripts/fuzz.sh runs them longer).
echo "== fuzz: build and short runs"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

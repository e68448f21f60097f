#!/usr/bin/env bash
# ./run.sh [Create|Embed|Echoscan|undertext ARGS...]
# Installs what is missing, builds the release preset, prepares the run folder
# build/release/run with the default dictionary modules, and starts the named
# program there (that folder is the program's start folder).
set -euo pipefail
caller=$(pwd)
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

program=${1:-}
case "$program" in
  Create|Embed|Echoscan|undertext) shift ;;
  *)
    echo "usage: ./run.sh [Create|Embed|Echoscan|undertext ARGS...]" >&2
    exit 2
    ;;
esac

if [ "$program" != undertext ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: $program is a window program and there is no display; run it on a desktop" >&2
  echo "        or under Xvfb (package xvfb): xvfb-run -a ./run.sh $program" >&2
  exit 1
fi

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

run_folder="$root/build/release/run"
if [ ! -s "$run_folder/COMMON.DIC" ] || [ ! -s "$run_folder/COMMON_E.DIC" ]; then
  scripts/make-default-modules.sh "$run_folder"
fi

binary="$root/build/release/bin/$program"
if [ ! -x "$binary" ]; then
  echo "run.sh: $program is not built yet" >&2
  exit 1
fi
# The batch tool's file arguments (after its sub-command) are named from the
# caller's folder, not from the run folder it starts in.
args=()
previous=""
for arg in "$@"; do
  if [ "$program" = undertext ] && [ ${#args[@]} -gt 0 ] &&
     { [ "$previous" = --save ] || [ "$previous" = --dict-dir ] || (cd "$caller" && [ -e "$arg" ]); }; then
    arg=$(cd "$caller" && realpath -m -- "$arg")
  fi
  args+=("$arg")
  previous=$arg
done
cd "$run_folder"
exec "$binary" "${args[@]}"

#!/bin/sh
# translation_sync_test.sh LUPDATE SOURCE_ROOT TS ARGUMENT...: fails when lupdate,
# run with the ARGUMENTs (options and folders) into a copy of TS, finds a text TS lacks, one it holds no
# longer, or one whose place in the sources changed, and when TS itself holds an
# unfinished, vanished or obsolete entry.
set -u
lupdate=$1 root=$2 ts=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

if grep -n 'type="\(unfinished\|vanished\|obsolete\)"' "$ts"; then
  echo "FAIL: $ts holds the entries above" >&2
  failures=1
fi
cp "$ts" "$scratch/collected.ts"
(cd "$root" && "$lupdate" -locations none "$@" -ts "$scratch/collected.ts") >"$scratch/log" 2>&1 ||
  { cat "$scratch/log" >&2; exit 1; }
if ! diff -u "$ts" "$scratch/collected.ts"; then
  echo "FAIL: the sources' texts differ from $ts (see above); run the update_translations target and translate" >&2
  failures=1
fi
exit $failures

#!/usr/bin/env bash
# Times the batch tool over a corpus of generated Russian texts as a user runs it,
# with the default modules: `undertext embed DIR -j N --summary` writing every
# text's reports, `undertext summary embed DIR` over those reports, the run with
# the reports alone, the run with --no-reports, and that one with -j 1.
#   bench/corpus_cli.sh [TEXTS [BYTES [JOBS]]]   default: 1000 texts of 100 KB, -j 2
# Prints wall and processor seconds and the peak resident memory of each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
texts=${1:-1000}
bytes=${2:-102400}
jobs=${3:-2}
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
[ -s build/release/run/COMMON.DIC ] || scripts/make-default-modules.sh build/release/run
export UNDERTEXT_DICT_DIR="$root/build/release/run"
tool="$root/build/bench/bin/undertext"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/bench/bin/embed_text_gen "$UNDERTEXT_DICT_DIR" "$work/corpus" "$bytes" "$texts"
echo "corpus: $texts texts of $bytes bytes ($(du -sh "$work/corpus" | cut -f1))"

measure() {
  local label=$1
  shift
  /usr/bin/time -f "$label: %e s wall, %U s user, %S s system, %M KB peak" \
    "$@" >/dev/null
}
cd "$work"
measure "embed -j $jobs, reports and summary" \
  "$tool" embed corpus -j "$jobs" --quiet --dict-dir "$UNDERTEXT_DICT_DIR" --summary embed.tsv
measure "summary from the reports" \
  "$tool" summary embed corpus --quiet --summary again.tsv
cmp embed.tsv again.tsv
cmp embed.by-text.tsv again.by-text.tsv
measure "embed -j $jobs, reports only" \
  "$tool" embed corpus -j "$jobs" --quiet --dict-dir "$UNDERTEXT_DICT_DIR"
measure "embed -j $jobs, --no-reports" \
  "$tool" embed corpus -j "$jobs" --quiet --dict-dir "$UNDERTEXT_DICT_DIR" --no-reports \
  --summary bare.tsv
cmp embed.tsv bare.tsv
measure "embed -j 1, --no-reports" \
  "$tool" embed corpus -j 1 --quiet --dict-dir "$UNDERTEXT_DICT_DIR" --no-reports \
  --summary single.tsv

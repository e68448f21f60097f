#!/usr/bin/env bash
# Makes the default dictionary modules COMMON.DIC (Russian) and COMMON_E.DIC
# (English) in the given folder from Debian's word lists: every word form of the
# Russian hunspell dictionary, and the American English word list. Words made
# wholly of letters of the language, lower-cased (ё as е), without duplicates,
# sorted by Windows-1251 byte value, one a line with CR LF, in Windows-1251.
set -euo pipefail

out=${1:?usage: make-default-modules.sh FOLDER}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

# Windows-1251 bytes: Russian letters 192-255, Ё 168, ё 184.
unmunch /usr/share/hunspell/ru_RU.dic /usr/share/hunspell/ru_RU.aff 2>/dev/null \
  | iconv -f UTF-8 -t CP1251 -c \
  | tr -d '\r' \
  | grep -a -x -E $'[\xa8\xb8\xc0-\xff]+' \
  | tr $'\xa8\xb8\xc0-\xdf' $'\xe5\xe5\xe0-\xff' \
  | sort -u \
  | sed 's/$/\r/' > "$work/COMMON.DIC"

iconv -f UTF-8 -t CP1251 -c /usr/share/dict/american-english \
  | grep -a -x -E '[A-Za-z]+' \
  | tr 'A-Z' 'a-z' \
  | sort -u \
  | sed 's/$/\r/' > "$work/COMMON_E.DIC"

for module in COMMON.DIC COMMON_E.DIC; do
  [ -s "$work/$module" ] || { echo "make-default-modules: $module came out empty" >&2; exit 1; }
  mv "$work/$module" "$out/$module"
done
echo "Default modules: $(wc -l < "$out/COMMON.DIC") Russian and $(wc -l < "$out/COMMON_E.DIC") English words in $out"

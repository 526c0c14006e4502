#!/bin/sh
# Turns res/ui_texts.txt into CP932 files and the resource script that
# embeds them as RCDATA 100, 101, ...
set -eu
src=$1 out=$2
mkdir -p "$out"
rc="$out/ui_texts.rc"
: > "$rc"
n=100
grep -v '^#' "$src" | while IFS= read -r line; do
  printf '%b' "$line" | iconv -f UTF-8 -t CP932 > "$out/text$n.bin"
  printf '%d RCDATA "%s"\n' "$n" "$out/text$n.bin" >> "$rc"
  n=$((n + 1))
done

#!/bin/sh
# Turns res/ui_texts.txt into CP932 files, the resource script that embeds
# them as RCDATA 100, 101, ... and ui_text_order.h, which checks at build
# time that each line's name is the UiText of that number and that the
# enum has no text without a line.
set -eu
src=$1 out=$2
mkdir -p "$out"
rc="$out/ui_texts.rc"
order="$out/ui_text_order.h"
: > "$rc"
echo '#pragma once' > "$order"
n=100
grep -v '^#' "$src" | while IFS=' ' read -r name line; do
  printf '%b' "$line" | iconv -f UTF-8 -t CP932 > "$out/text$n.bin"
  printf '%d RCDATA "%s"\n' "$n" "$out/text$n.bin" >> "$rc"
  printf 'static_assert(%s == %d, "res/ui_texts.txt: %s out of order");\n' \
    "$name" $((n - 100)) "$name" >> "$order"
  n=$((n + 1))
done
lines=$(grep -vc '^#' "$src")
printf 'static_assert(kUiTextCount == %d, "res/ui_texts.txt and UiText differ in length");\n' \
  "$lines" >> "$order"

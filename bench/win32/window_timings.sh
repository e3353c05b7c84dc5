#!/usr/bin/env bash
# Times zor.exe under Wine on a private X server: process start to the window
# shown (a warm Wine prefix, several runs), then the cost of one "say" line
# with 1,000 and with 100,000 lines in the log, measured by say_cost.exe.
# Usage: bench/win32/window_timings.sh path/to/zor.exe path/to/zor_say_cost.exe [runs]
# The Wine prefix is made in the folder of zor_say_cost.exe unless WINEPREFIX
# names one.
set -eu
say_cost=$(realpath "$2")
runs=${3:-5}
export WINEPREFIX=${WINEPREFIX:-$(dirname "$say_cost")/wine}
source "$(dirname "$0")/../../tests/win32/wine_session.sh" "$1"

zor_start
zor_type 'stop'
zor_wait_exit 10
for run in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  zor_start
  shown=$(date +%s%N)
  echo "run $run: window shown after $(((shown - start) / 1000000)) ms"
  zor_type 'stop'
  zor_wait_exit 10
done

for lines in 1000 100000; do
  seq 1 "$lines" | awk '{ printf "filler line %d: the quick brown fox 跳过了懒狗\r\n", $1 }' |
    iconv -f UTF-8 -t GBK >"$prog/fill$lines.txt"
done
zor_start
"$wine" "$say_cost" fill1000 fill100000

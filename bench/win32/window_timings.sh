#!/usr/bin/env bash
# Times zor.exe under Wine on a private X server: process start to the window
# shown (a warm Wine prefix, several runs), then the time to load files of
# 1,000, 200,000 (10 MB) and 2,000,000 lines (100 MB), and the cost of one
# "say" line with each of them in the log, measured by zor_remote.exe, with
# the window's processor time for it, the mean over ZOR_BENCH_SAYS lines
# (1,000 unless set). ZOR_BENCH_LINES may name other line counts.
# Usage: bench/win32/window_timings.sh path/to/zor.exe path/to/zor_remote.exe [runs]
# The Wine prefix is made in the folder of zor_remote.exe unless WINEPREFIX
# names one.
set -eu
remote=$(realpath "$2")
runs=${3:-5}
export WINEPREFIX=${WINEPREFIX:-$(dirname "$remote")/wine}
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

# Files of 50 bytes a line in code page 936: 1,000 lines, 200,000 lines
# (10 MB) and 2,000,000 lines (100 MB).
sizes=${ZOR_BENCH_LINES:-1000 200000 2000000}
for lines in $sizes; do
  seq 1 "$lines" | awk '{ printf "filler %9d: the quick brown fox 跳过了懒狗\r\n", $1 }' |
    iconv -f UTF-8 -t GBK >"$prog/fill$lines.txt"
done
# The window's own processor time, from the kernel's count in nanoseconds
# over all its threads, besides the wall-clock time that a busy machine
# inflates.
processor_ns() { cat /proc/"$zor_pid"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.0f\n", ns }'; }
says=${ZOR_BENCH_SAYS:-1000}
zor_start
for lines in $sizes; do
  bytes=$(stat -c %s "$prog/fill$lines.txt")
  start=$(date +%s%N)
  "$wine" "$remote" load "fill$lines"
  end=$(date +%s%N)
  echo "  $lines lines, $bytes bytes: zor_remote load returned after $(((end - start) / 1000000)) ms"
  before=$(processor_ns)
  "$wine" "$remote" say "$says"
  after=$(processor_ns)
  awk -v ns=$((after - before)) -v n="$lines" -v says="$says" \
    'BEGIN { printf "  %d lines in the log: processor time of zor.exe per line %.2f ms\n", n, ns / says / 1e6 }'
done

#!/usr/bin/env bash
# Times zor.exe under Wine on a private X server: process start to the window
# shown (a warm Wine prefix, several runs), then the time to load files of
# 1,000, 200,000 (10 MB) and 2,000,000 lines (100 MB), and the cost of one
# "say" line with each of them in the log, measured by zor_remote.exe, with
# the window's processor time for it: the median of ZOR_BENCH_ROUNDS rounds
# (5 unless set) of ZOR_BENCH_SAYS lines each (400 unless set). That time is
# given whole and in its two parts: the input box taking the line and
# drawing it, which any typed line costs, timed in each round by putting the
# line there as often without entering it; and what Enter does.
# With each file in the log, the time of a zoom step (Ctrl and a wheel
# notch, in and out in turn) with the log drawn at the new size, the mean of
# ZOR_BENCH_ZOOMS steps (40 unless set).
# ZOR_BENCH_LINES may name other line counts.
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
# The median of one column of the rounds, in milliseconds a line.
median_ms() {
  cut -d' ' -f"$1" "$work/rounds" | sort -n |
    awk -v says="$says" '{ ns[NR] = $1 } END { printf "%.2f", (ns[int((NR + 1) / 2)] + ns[int(NR / 2) + 1]) / 2 / says / 1e6 }'
}
says=${ZOR_BENCH_SAYS:-400}
rounds=${ZOR_BENCH_ROUNDS:-5}
zor_start
for lines in $sizes; do
  bytes=$(stat -c %s "$prog/fill$lines.txt")
  start=$(date +%s%N)
  "$wine" "$remote" load "fill$lines"
  end=$(date +%s%N)
  echo "  $lines lines, $bytes bytes: zor_remote load returned after $(((end - start) / 1000000)) ms"
  : >"$work/rounds"
  for round in $(seq 1 "$rounds"); do
    before=$(processor_ns)
    "$wine" "$remote" type "$says" >/dev/null
    typed=$(processor_ns)
    "$wine" "$remote" say "$says" >/dev/null
    after=$(processor_ns)
    typing=$((typed - before)) whole=$((after - typed))
    echo "$typing $whole $((whole - typing))" >>"$work/rounds"
  done
  echo "  $lines lines in the log: processor time of zor.exe per line $(median_ms 2) ms" \
    "(the median of $rounds rounds of $says lines):"
  echo "    $(median_ms 1) ms for the line put in the input box and shown there,"
  echo "    $(median_ms 3) ms for Enter: the box emptied, the line run, the log shown"
  echo "    $("$wine" "$remote" zoom-steps "${ZOR_BENCH_ZOOMS:-40}" | tr -d '\r')"
done

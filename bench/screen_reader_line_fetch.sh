#!/usr/bin/env bash
# Times what a screen reader waits for one line of a 100 MB log: the real
# window, read through AT-SPI from another process (the median and the worst
# of 20 fetches of a line in the middle of the log), and the load of that
# log as the reader sees it.
#
#     bench/screen_reader_line_fetch.sh build/release/app/qt/zor
set -eu
exec bash "$(dirname "$0")/../tests/smoke/screen_reader.sh" "$1" --bench

#!/usr/bin/env bash
# The real window read through AT-SPI, as a screen reader reads it, on a
# private X server and a private D-Bus session with the accessibility bus.
# A 100 MB log of numbered lines lies in a files directory of its own.
# With --bench, times one line fetch on that log instead.
set -eu
zor=$1
shift
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
awk 'BEGIN { for (i = 0; i < 2500000; i++) printf "line %07d of the big log, forty bytes\r\n", i }' \
  | head -c 100000000 > "$home/big.txt"
xvfb-run --auto-servernum --server-args='-screen 0 1024x768x24' \
  dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$zor" "$home" "$@"

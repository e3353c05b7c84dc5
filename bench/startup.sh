#!/usr/bin/env bash
# Time from process start to the window mapped on a real X server (Xvfb),
# and the resident memory of the idle window with its banner.
# Usage: bench/startup.sh path/to/zor [runs]
set -eu
zor=$(realpath "$1")
runs=${2:-5}

exec xvfb-run --auto-servernum --server-args='-screen 0 1024x768x24' bash -c '
  zor=$1; runs=$2
  for run in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    QT_QPA_PLATFORM=xcb "$zor" & pid=$!
    until xwininfo -root -children 2>/dev/null | grep -q "ZOR命令符-DEZEZA"; do sleep 0.005; done
    shown=$(date +%s%N)
    sleep 2
    rss=$(awk "/VmRSS/ {print \$2}" /proc/$pid/status)
    kill $pid; wait $pid 2>/dev/null || true
    echo "run $run: window shown after $(( (shown - start) / 1000000 )) ms, idle RSS ${rss} kB"
  done
' bash "$zor" "$runs"

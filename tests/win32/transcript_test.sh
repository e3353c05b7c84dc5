#!/usr/bin/env bash
# Transcripts typed into zor.exe's window under Wine, each line into an
# emptied input box: the log box shows the log they expect.
# Usage: transcript_test.sh path/to/zor.exe path/to/zor_remote.exe
remote=$2
source "$(dirname "$0")/wine_session.sh"

log_shows() {
  "$wine" "$remote" log | tr -d '\r' | times_as_placeholder >"$work/shown.txt" &&
    cmp -s "$work/expected.txt" "$work/shown.txt"
}
for name in keys help information display-modes; do
  zor_start
  while IFS= read -r line; do
    xdotool key Escape
    zor_type "$line"
  done < <(transcript_typed "$name")
  transcript_log "$name" "$shown_prog" "$ZOR_VERSION" >"$work/expected.txt"
  if ! wait_for 20 log_shows; then
    diff "$work/expected.txt" "$work/shown.txt" || true
    fail "the log box differs from the transcript $name"
  fi
  zor_type 'stop'
  zor_wait_exit 10
done
echo "PASS"

#!/usr/bin/env bash
# One transcript through zor.exe --batch under Wine: the lines it types
# piped in, every line the log receives on standard output in UTF-8, the
# files it starts and ends with beside the program, in code page 936.
# Usage: batch_transcript.sh path/to/zor.exe NAME
source "$(dirname "$0")/wine_session.sh"
skip_if_listed wine-batch "$2"
cp "$zor_exe" "$prog/zor.exe"
(cd "$prog" && batch_transcript "$2" "$shown_prog" "$wine" ./zor.exe) ||
  fail "the batch run of the transcript $2 differs"
echo "PASS"

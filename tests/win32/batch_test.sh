#!/usr/bin/env bash
# zor.exe --batch under Wine: the command lines piped to it run as if typed,
# every log line reaches standard output in UTF-8 (the transcripts, and a
# session), stop ends the run with status 0, and the saved log holds the same
# lines in code page 936. --version answers on standard output.
# Usage: batch_test.sh path/to/zor.exe
source "$(dirname "$0")/wine_session.sh"

cp "$zor_exe" "$prog/zor.exe"
(cd "$prog" && batch_transcripts "$shown_prog" "$ZOR_VERSION" "$wine" ./zor.exe) ||
  fail "the batch runs of the transcripts differ"
status=0
(cd "$prog" && transcript_typed save-and-stop | "$wine" ./zor.exe --batch >"$work/out.txt" \
  2>"$work/err.txt") || status=$?
[ "$status" = 0 ] || fail "the batch run ended with status $status: $(cat "$work/err.txt")"
[ ! -s "$work/err.txt" ] || fail "the batch run wrote to standard error: $(cat "$work/err.txt")"
# The saved log: the same lines up to the save, in code page 936 with CR LF
# ends and one more CR LF.
head -n -3 "$work/out.txt" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK >"$work/saved.txt"
printf '\r\n' >>"$work/saved.txt"
cmp "$work/saved.txt" "$prog/out.txt" || fail "the saved log differs from what was shown"

[ "$("$wine" "$prog/zor.exe" --version)" = "ZOR Console $ZOR_VERSION" ] || fail "--version"
echo "PASS"

#!/usr/bin/env bash
# zor.exe --batch under Wine: the command lines piped to it run as if typed,
# every log line reaches standard output in UTF-8 (a session; the
# transcripts run one test each), stop ends the run with status 0, and the saved log holds the same
# lines in code page 936; a save writes through a Unix link and into a file
# with two names (hard links). --version answers on standard output.
# Usage: batch_test.sh path/to/zor.exe
source "$(dirname "$0")/wine_session.sh"

cp "$zor_exe" "$prog/zor.exe"
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

# A save writes through a Unix link, and into a file with two names.
mkdir "$prog/real"
echo earlier >"$prog/real/notes.txt"
ln -s real/notes.txt "$prog/link.txt"
echo earlier >"$prog/one.txt"
ln "$prog/one.txt" "$prog/two.txt"
(cd "$prog" && printf 'th\r\nsave link\nsave one\n' | "$wine" ./zor.exe --batch >"$work/links.txt" \
  2>"$work/err.txt") || fail "the batch run of the links failed: $(cat "$work/err.txt")"
# What was shown up to a save (the banner and $1 lines more), as saved:
# code page 936 with CR LF ends and one more CR LF.
banner_lines=$(banner | wc -l)
saved_after() {
  head -n "$((banner_lines + $1))" "$work/links.txt" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK
  printf '\r\n'
}
[ -L "$prog/link.txt" ] || fail "save link replaced the link"
cmp <(saved_after 4) "$prog/real/notes.txt" || fail "save link did not write the file it names"
[ "$(stat -c %h "$prog/one.txt")" = 2 ] || fail "save one broke the hard link"
cmp <(saved_after 6) "$prog/two.txt" || fail "save one did not write the file's other name"

[ "$("$wine" "$prog/zor.exe" --version)" = "ZOR Console $ZOR_VERSION" ] || fail "--version"
echo "PASS"

#!/usr/bin/env bash
# zor.exe --batch under Wine: the command lines piped to it run as if typed,
# every log line reaches standard output in UTF-8, stop ends the run with
# status 0, and the saved log holds the same lines in code page 936; a save
# writes through a Unix link and into a file with two names (hard links).
# --version answers on standard output.
# Usage: batch_test.sh path/to/zor.exe
source "$(dirname "$0")/wine_session.sh"

cp "$zor_exe" "$prog/zor.exe"
mkdir "$prog/real"
echo earlier >"$prog/real/notes.txt"
ln -s real/notes.txt "$prog/link.txt"
echo earlier >"$prog/one.txt"
ln "$prog/one.txt" "$prog/two.txt"
status=0
(cd "$prog" && printf 'th\r\nsave link\nsave one\nsay 你好\nsave out\nstop\nsay never\n' |
  "$wine" ./zor.exe --batch >"$work/out.txt" 2>"$work/err.txt") || status=$?
[ "$status" = 0 ] || fail "the batch run ended with status $status: $(cat "$work/err.txt")"
[ ! -s "$work/err.txt" ] || fail "the batch run wrote to standard error: $(cat "$work/err.txt")"

{
  banner
  printf '%s\n' \
    '[T]>>>th' \
    '时间显示已关闭!' \
    '>>>save link' \
    '保存！请检查同一目录下的link.txt' \
    '>>>save one' \
    '保存！请检查同一目录下的one.txt' \
    '>>>say 你好' \
    '你好' \
    '>>>save out' \
    '保存！请检查同一目录下的out.txt' \
    '>>>stop'
} >"$work/expected.txt"
LC_ALL=C sed 's/^\[[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\]/[T]/' "$work/out.txt" >"$work/shown.txt"
if ! cmp "$work/expected.txt" "$work/shown.txt"; then
  diff "$work/expected.txt" "$work/shown.txt" || true
  fail "standard output differs from the expected bytes"
fi
# A saved log: the lines shown up to the save (the first $1), in code page
# 936 with CR LF ends and one more CR LF.
saved_after() {
  head -n "$1" "$work/out.txt" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK
  printf '\r\n'
}
cmp <(saved_after "$(($(wc -l <"$work/out.txt") - 1))") "$prog/out.txt" ||
  fail "the saved log differs from what was shown"
[ -L "$prog/link.txt" ] || fail "save link replaced the link"
cmp <(saved_after 11) "$prog/real/notes.txt" || fail "save link did not write the file it names"
[ "$(stat -c %h "$prog/one.txt")" = 2 ] || fail "save one broke the hard link"
cmp <(saved_after 13) "$prog/two.txt" || fail "save one did not write the file's other name"

[ "$("$wine" "$prog/zor.exe" --version)" = "ZOR Console 2.0.0.0" ] || fail "--version"
echo "PASS"

#!/usr/bin/env bash
# Find in the log of zor.exe under Wine, with real keys: Ctrl+F from the
# input box, typing, Enter and F3 up, Shift with either down, wrapping
# around, Esc back to the input box, and Ctrl+C in the log copying the match.
# Usage: find_test.sh path/to/zor.exe path/to/zor_remote.exe
remote=$2
source "$(dirname "$0")/wine_session.sh"

find_is() { [ "$("$wine" "$remote" find | tr -d '\r')" = "$1" ]; }
step() {
  xdotool key "$1"
  wait_for 10 find_is "shown $2" || fail "$1 did not go to $2: $("$wine" "$remote" find)"
}

zor_start
zor_type 'say apple'
zor_type 'say banana'
zor_type 'say apple pie'
wait_for 10 find_is 'hidden ' || fail "the find box is there before Ctrl+F"
xdotool key ctrl+f
wait_for 10 find_is 'shown 0/0' || fail "Ctrl+F did not open the find box"
xdotool type --delay 15 -- 'APPLE'
wait_for 10 find_is 'shown 4/4' || fail "typing did not find the last apple"
step Return 3/4
step F3 2/4
step Return 1/4
step Return 4/4
step shift+Return 1/4
step shift+F3 2/4
# Screen readers in another process call the input box and the find box's
# controls by what they show: the frame's caption, the label, the texts.
"$wine" "$remote" names | tr -d '\r' >"$work/names.txt" || fail "could not read the names"
printf '%s\n' 输入Input 查找Find '区分大小写 Match case' 2/4 |
  cmp - "$work/names.txt" || fail "screen readers call the controls $(cat "$work/names.txt")"
xdotool key Escape
wait_for 10 find_is 'hidden 2/4' || fail "Esc did not close the find box"
# The focus went back to the input box: Shift+Tab reaches the log.
xdotool key shift+Tab ctrl+c
printf apple >"$work/apple.txt"
copied() { "$wine" "$remote" clipboard >"$work/clip.txt" && cmp -s "$work/apple.txt" "$work/clip.txt"; }
wait_for 10 copied || fail "Ctrl+C in the log did not copy the match: $(cat "$work/clip.txt")"
echo "find in the log: ok"

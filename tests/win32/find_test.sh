#!/usr/bin/env bash
# Find in the log of zor.exe under Wine, with real keys: Ctrl+F from the
# input box, typing, Enter and F3 up, Shift with either down, wrapping
# around, Esc back to the input box, and Ctrl+C in the log copying the match.
# Then where the box goes: the top right of the log's text area, clear of
# the scroll bar, each control whole inside it and never narrower (the text
# field aside) in a narrow window, and a match on the log's first row shown
# below the box.
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

# Checks one find-geometry (file $1) against the rules; $2 "narrow" when the
# window is too narrow for the box's natural width.
check_place() {
  awk -v narrow="$2" '
    { l[$1] = $2; t[$1] = $3; r[$1] = $2 + $4; b[$1] = $3 + $5 }
    function bad(what) { print "find box: " what; failed = 1 }
    END {
      if (t["box"] != t["area"]) bad("not at the top of the text area")
      if (narrow != "narrow" && r["box"] != r["area"]) bad("not at the right of the text area")
      if (narrow == "narrow" && l["box"] != l["area"]) bad("not from the left of a narrow area")
      if (narrow != "narrow" && r["box"] > l["scrollbar"]) bad("over the scroll bar")
      split("label text matchcase count", order, " ")
      for (i = 1; i <= 4; i++) {
        c = order[i]
        if (l[c] < l["inside"] || t[c] < t["inside"] || r[c] > r["inside"] || b[c] > b["inside"])
          bad(c " not whole inside the box")
        if (i > 1 && l[c] < r[order[i - 1]]) bad(c " over " order[i - 1])
      }
      if ($1 != "match" || $3 < b["box"]) bad("the match is under the box: " $0)
      exit failed
    }' "$1" || { cat "$1"; fail "the find box is misplaced ($1)"; }
}
# Column $3 of the line named $2 in the geometry file $1.
field() { awk -v name="$2" -v column="$3" '$1 == name { print $column }' "$1"; }

# Opens the box, finds the first row's "Welcome" and writes the geometry
# with the window $3 x $4 pixels to $work/$1-wide.txt, then $5 pixels too
# narrow for the box's natural width to $work/$1-narrow.txt.
find_welcome() {
  xdotool key ctrl+f
  wait_for 10 find_is "shown $2" || fail "Ctrl+F did not open the find box"
  xdotool type --delay 15 -- 'Welcome'
  wait_for 10 find_is 'shown 1/1' || fail "typing did not find Welcome"
  "$wine" "$remote" geometry "$3" "$4" >/dev/null
  "$wine" "$remote" find-geometry | tr -d '\r' >"$work/$1-wide.txt"
  check_place "$work/$1-wide.txt" wide
  local spare=$(($(field "$work/$1-wide.txt" area 4) - $(field "$work/$1-wide.txt" box 4)))
  "$wine" "$remote" geometry $(($3 - spare - $5)) "$4" >/dev/null
  "$wine" "$remote" find-geometry | tr -d '\r' >"$work/$1-narrow.txt"
  check_place "$work/$1-narrow.txt" narrow
  for c in label matchcase count; do
    [ "$(field "$work/$1-narrow.txt" $c 4)" = "$(field "$work/$1-wide.txt" $c 4)" ] ||
      fail "the $c is narrower in a narrow window"
  done
  [ "$(field "$work/$1-narrow.txt" text 4)" -lt "$(field "$work/$1-wide.txt" text 4)" ] ||
    fail "the text field is no narrower in a narrow window"
}

find_welcome normal 2/4 700 500 30
echo "find in the log: ok"

#!/usr/bin/env bash
# zor.exe under Wine takes typed and pasted command lines, and its own save
# command writes the log byte for byte in code page 936. stop ends the
# process at once; hide leaves it running without a window.
# The log box shows the log character for character, after appends and after
# the log was emptied. bm paints both boxes in the desktop colour and back.
# Up, Down and Esc call back earlier lines and empty the box. The log view
# copies what is selected by keys or the mouse, scrolls with PageUp and
# shows the end again on new output, and takes a long line and 200,000
# lines at once. Chinese is drawn in real glyphs. Screen readers read the log
# view through MSAA and UI Automation, the text on screen only.
# Usage: window_test.sh path/to/zor.exe path/to/zor_remote.exe
remote=$2
source "$(dirname "$0")/wine_session.sh"

# Dumps the window into window.xwd: a header of big-endian numbers, a colour
# map, then rows of 32-bit pixels stored blue, green, red. Sets where the
# pixels start in it and how many bytes a row takes.
dump_window() {
  xwd -id "$window" -silent >"$work/window.xwd"
  local header
  read -ra header < <(od -A n -t u4 --endian=big -N 80 "$work/window.xwd" | tr '\n' ' ')
  pixels_start=$((header[0] + header[19] * 12)) row_bytes=${header[12]}
}
# The colour (RRGGBB) of the pixel at x, y of the window.
pixel() {
  dump_window
  od -A n -t x1 -j $((pixels_start + $2 * row_bytes + $1 * 4)) -N 3 "$work/window.xwd" |
    awk '{ print $3 $2 $1 }'
}
# Both boxes painted in $1: a point of the log box right of its short lines,
# and one in the middle of the input box.
boxes_painted() { [ "$(pixel 450 150)" = "$1" ] && [ "$(pixel 450 280)" = "$1" ]; }

# Moves the mouse to x, y and does the xdotool mouse actions that follow.
# A press makes a double click with the one before it when it comes within
# the system's double-click time and inside its double-click rectangle
# (4 by 4 pixels unless set otherwise) around it. Whatever the time between
# them, two presses apart by more than that rectangle cannot, so each spot
# must lie that far from the one before.
last_spot=(-100 -100)
mouse_at() {
  local dx=$(($1 - last_spot[0])) dy=$(($2 - last_spot[1]))
  ((dx * dx > 16 || dy * dy > 16)) || fail "the press at $1 $2 is too near the one before"
  last_spot=("$1" "$2")
  xdotool mousemove "$1" "$2" "${@:3}"
}
menu_shown() { "$wine" "$remote" menu; }

# The log box's text must be the saved file without the CR LF that the save
# added after the log's last line.
check_log_box() {
  "$wine" "$remote" log >"$work/box.txt" || fail "could not read the log box"
  iconv -f GBK -t UTF-8 "$1" | head -c -2 >"$work/log.txt"
  cmp "$work/log.txt" "$work/box.txt" || fail "the log box does not show the log of $1"
}

zor_start
zor_type 'th'
zor_type 'say hello'
# Tab goes from the input box to the log box and back, which selects the
# input box's text, so what is typed next takes its place.
xdotool type --delay 15 'say x'
xdotool key Tab Tab
zor_type 'say tab'
zor_paste 'say 你好'
# A blank line does nothing and the box keeps its blanks.
zor_type '   '
zor_type 'top'
zor_type 'title abc'
wait_for 10 find_window '^abc$' || fail "the title command did not change the caption"
boxes_painted ffffff || fail "the boxes are not white at start"
desktop=$("$wine" "$remote" desktop-colour | tr -d '\r')
zor_type 'bm'
wait_for 5 boxes_painted "$desktop" || fail "bm did not paint the boxes in the desktop colour $desktop"
zor_type 'bm'
wait_for 5 boxes_painted ffffff || fail "a second bm did not paint the boxes white again"
# Up and Down walk the lines run before, the caret at the end of the one
# called back; Esc empties the box.
xdotool type --delay 15 'draft'
xdotool key Up Up Up Down
zor_type '!'
xdotool type --delay 15 'junk'
xdotool key Escape
zor_type 'say esc'
zor_type 'save out'
wait_for 20 test -f "$prog/out.txt" || fail "save wrote no out.txt"

# The banner's time stamps vary; everything else is exact. The file ends
# with the CR LF that every write adds after the log's own last line.
{
  banner
  printf '%s\n' \
    '[T]>>>th' \
    '时间显示已关闭!' \
    '>>>say hello' \
    'hello' \
    '>>>say tab' \
    'tab' \
    '>>>say 你好' \
    '你好' \
    '>>>   top' \
    '无法识别的命令！请仔细检查你的命令！' \
    '>>>title abc' \
    '>>>bm' \
    '>>>bm' \
    '>>>title abc!' \
    '>>>say esc' \
    'esc' \
    '>>>save out' \
    '保存！请检查同一目录下的out.txt' \
    ''
} | sed 's/$/\r/' | iconv -f UTF-8 -t GBK >"$work/expected.txt"
times_as_placeholder <"$prog/out.txt" >"$work/saved.txt"
if ! cmp "$work/expected.txt" "$work/saved.txt"; then
  diff <(iconv -f GBK -t UTF-8 "$work/expected.txt") <(iconv -f GBK -t UTF-8 "$work/saved.txt") || true
  fail "the saved log differs from the expected bytes"
fi
# 你好 in code page 936, whatever iconv's table says.
LC_ALL=C grep -q $'^\xc4\xe3\xba\xc3\r$' "$prog/out.txt" || fail "你好 is not C4 E3 BA C3"
check_log_box "$prog/out.txt"

zor_type 'clear'
zor_paste 'say 清空之后'
zor_type 'save out2'
wait_for 20 test -f "$prog/out2.txt" || fail "save wrote no out2.txt"
printf '%s\r\n' '>>>say 清空之后' '清空之后' '>>>save out2' '保存！请检查同一目录下的out2.txt' '' |
  iconv -f UTF-8 -t GBK | cmp - "$prog/out2.txt" || fail "the log after clear is wrong"
check_log_box "$prog/out2.txt"
# Screen readers in another process find the log view by its frame's name,
# read-only text whose value is the text on screen, here the whole log.
"$wine" "$remote" readers >"$work/readers.txt" || fail "could not read the log view as a screen reader"
{
  printf 'msaa role=42 readonly=1 focusable=1 name=日志Log\nvalue:\n'
  cat "$work/box.txt"
  printf '\nuia type=50030 focusable=1 name=日志Log\n'
} | cmp - "$work/readers.txt" || fail "screen readers get $(cat "$work/readers.txt")"

# The log view copies with the log's own CR LF ends; Wine's X clipboard gives
# them out as LF.
read -r x y < <("$wine" "$remote" log-origin | tr -d '\r')
clipboard() { "$wine" "$remote" clipboard; }
copied() { clipboard >"$work/clip.txt" && cmp -s "$1" "$work/clip.txt"; }
x_copied() { xclip -o -selection clipboard >"$work/xclip.txt" 2>/dev/null && cmp -s "$1" "$work/xclip.txt"; }
printf '%s\r\n' '>>>say 清空之后' '清空之后' '>>>save out2' '保存！请检查同一目录下的out2.txt' >"$work/all.txt"
printf '%s\r\n' '>>>say 清空之后' >"$work/first.txt"
xdotool key shift+Tab
xdotool key ctrl+a ctrl+c
wait_for 5 copied "$work/all.txt" || fail "Ctrl+A Ctrl+C did not copy the whole log with CR LF ends"
tr -d '\r' <"$work/all.txt" >"$work/all-lf.txt"
wait_for 5 x_copied "$work/all-lf.txt" || fail "the X clipboard does not hold the copied log"
mouse_at $((x + 1)) $((y + 4)) click 1 key shift+Down ctrl+c
wait_for 5 copied "$work/first.txt" || fail "a click and Shift+Down did not select the first line"
# The context menu's last entry selects all, its 复制(&C) copies.
mouse_at $((x + 20)) $((y + 20)) click 3
wait_for 5 menu_shown || fail "a right click showed no context menu"
xdotool key Up Return
wait_for 5 bash -c '! "$0" "$1" menu' "$wine" "$remote" || fail "the context menu stayed open"
mouse_at $((x + 30)) $((y + 20)) click 3
wait_for 5 menu_shown || fail "a second right click showed no context menu"
xdotool key c
wait_for 5 copied "$work/all.txt" || fail "the context menu did not select all and copy"
# A double click takes the run of signs under the mouse.
printf '>>>' >"$work/signs.txt"
mouse_at $((x + 8)) $((y + 4)) click --repeat 2 1 key ctrl+c
wait_for 5 copied "$work/signs.txt" || fail "a double click did not select >>>"
# A drag from the first row to below the view selects to the end as the
# mouse gets there, and keeps it when the button is let go.
mouse_at $((x + 1)) $((y + 4)) mousedown 1 mousemove $((x + 1)) $((y + 500))
copied_by() { xdotool key "$1" && copied "$2"; }
wait_for 5 copied_by ctrl+Insert "$work/all.txt" || fail "a drag below the view did not select to the end"
xdotool mouseup 1
zor_clipboard 'another text'
xdotool key ctrl+Insert
wait_for 5 copied "$work/all.txt" || fail "letting the button go lost the selection of the drag"

# A line of 100,000 characters and a file of 200,000 lines: the window
# answers the next command as soon as they are loaded, and shows the end.
{
  printf 'long'
  printf ' word%.0s' $(seq 1 20000)
  printf '\r\n'
  seq 1 200000 | sed 's/^/line /; s/$/\r/'
} >"$prog/big.txt"
last_line_is() { [ "$("$wine" "$remote" log | tail -n 1 | tr -d '\r')" = "$1" ]; }
xdotool key Tab
zor_type 'load big'
zor_type 'say after'
wait_for 30 last_line_is after || fail "the window did not answer after loading 200,000 lines"
# A screen reader gets the rows on screen, not the 200,000 lines.
"$wine" "$remote" readers >"$work/readers.txt"
value=$(sed -n '/^value:$/,/^uia /p' "$work/readers.txt" | sed '1d;$d' | tr -d '\r')
[ "$(printf '%s\n' "$value" | tail -n 1)" = after ] && [ "${#value}" -lt 2000 ] ||
  fail "the screen reader's value is not the rows on screen: ${#value} characters"
# The first row on screen, selected from its start and copied.
# It sets `row` rather than printing it: in a subshell, mouse_at would not
# keep the spot of its press. A press further down comes first, so that the
# press on the top row never makes a double click with the one before.
top_row() {
  zor_clipboard 'not copied yet'
  mouse_at $((x + 1)) $((y + 60)) click 1
  mouse_at $((x + 1)) $((y + 4)) click 1 key shift+Down ctrl+c
  wait_for 5 bash -c '[ "$("$0" "$1" clipboard)" != "not copied yet" ]' "$wine" "$remote" ||
    fail "a click and Shift+Down on the top row copied nothing"
  row=$(clipboard | tr -d '\r\n')
}
top_row
at_end=$row
xdotool key Prior Prior Prior
top_row
scrolled=$row
[ "$scrolled" != "$at_end" ] || fail "PageUp did not scroll the log view"
# The line $2 lines after the line $1 in the log view's text.
line_after() {
  "$wine" "$remote" log | tr -d '\r' |
    awk -v row="$1" -v n="$2" '$0 == row { found = NR } found && NR == found + n { print; exit }'
}
# A notch of the wheel scrolls the system's three rows.
xdotool click 5
expected=$(line_after "$scrolled" 3)
top_row
wheeled=$row
[ "$wheeled" = "$expected" ] || fail "the wheel scrolled to '$wheeled', not '$expected'"
# Pages down from the top reach into the long line, wrapped after blanks.
xdotool key ctrl+Home Next Next Next
top_row
inside=$row
[[ "$inside" == "word word word "* ]] || fail "three pages down show '$inside', not the long line"
xdotool key Tab
zor_type 'say again'
wait_for 10 last_line_is again || fail "say again did not reach the log"
# The two lines of the new say push the first row two lines further.
expected=$(line_after "$at_end" 2)
top_row
again=$row
[ "$again" = "$expected" ] ||
  fail "a new say did not show the end again: first row '$again', not '$expected' (at end '$at_end')"


# Chinese shows in real glyphs, and so do characters beyond the Basic
# Multilingual Plane (two faces that DejaVu Sans has): the same characters
# in another order are another picture, where boxes would look the same in
# any order. The pictures are the rows of the window that the log view
# covers.
xdotool key Tab
read -r _ log_height < <("$wine" "$remote" geometry | tr -d '\r' | awk '$1 == "Text1" { print $4, $5 }')
log_top=$((y - $(xdotool getwindowgeometry --shell "$window" | sed -n 's/^Y=//p')))
log_picture() {
  dump_window
  tail -c +$((pixels_start + log_top * row_bytes + 1)) "$work/window.xwd" |
    head -c $((log_height * row_bytes)) >"$work/$1"
}
# The picture $1 once it holds still: the same in two reads, each taken
# after the window has painted all it had to; and once it is drawn: unlike
# the empty log's.
still_picture() {
  drawn && log_picture "$1.before" && drawn && log_picture "$1" && cmp -s "$work/$1.before" "$work/$1"
}
find_box_is() { "$wine" "$remote" find | tr -d '\r' | grep -Eq "$1"; }
drawn_picture() { still_picture "$1" && ! cmp -s "$work/$1" "$work/empty"; }
zor_type 'clear'
wait_for 10 last_line_is '' || fail "clear did not empty the log"
wait_for 10 still_picture empty || fail "the empty log view does not stay the same"
for order in 你好世界 界世好你 😀😁 😁😀; do
  zor_type 'clear'
  zor_paste "say $order"
  wait_for 10 last_line_is "$order" || fail "say $order did not reach the log"
  wait_for 10 drawn_picture "$order" || fail "the log view did not draw $order"
done
! cmp -s "$work/你好世界" "$work/界世好你" || fail "你好世界 and 界世好你 look the same: boxes, not glyphs"
! cmp -s "$work/😀😁" "$work/😁😀" || fail "😀😁 and 😁😀 look the same: boxes, not glyphs"

# The view keeps what it drew, moves it with the rows and draws again only
# the rows that changed; that shows what drawing everything shows. Here
# after lines that scroll the rows up, wrapped lines, a page up, a
# selection, and matches marked then no longer.
seq 1 120 | awk '{ printf "line %d: the quick brown fox 跳过了懒狗%s\r\n", $1,
  $1 % 7 ? "" : " and a line long enough to wrap into two rows or more in the view" }' |
  iconv -f UTF-8 -t GBK >"$prog/kept.txt"
"$wine" "$remote" load kept >/dev/null
"$wine" "$remote" say 40 >/dev/null
xdotool key Tab Prior shift+Down shift+Down ctrl+f
wait_for 10 find_box_is '^shown 0/0$' || fail "Ctrl+F did not open the find box"
xdotool type fox
wait_for 10 find_box_is '^shown [0-9]+/[0-9]+$' || fail "the find box did not count the foxes"
xdotool key Escape
wait_for 10 find_box_is '^hidden' || fail "Esc did not close the find box"
wait_for 10 still_picture kept || fail "the log view does not stay the same"
"$wine" "$remote" redraw
wait_for 10 still_picture whole || fail "the log view drawn whole does not stay the same"
cmp -s "$work/kept" "$work/whole" ||
  fail "the log view as kept between changes is not what drawing it whole shows"

zor_type 'stop'
zor_wait_exit 10
[ "$exit_status" = 0 ] || fail "stop did not end the process at once (status $exit_status)"

zor_start
zor_type 'hide'
wait_for 10 bash -c "! xdotool search --onlyvisible --name DEZEZA >/dev/null" ||
  fail "hide left the window on the screen"
"$wine" "$remote" log >/dev/null || fail "hide ended the process"
echo "PASS"

#!/usr/bin/env bash
# Zoom in zor.exe under Wine, with real keys and a real wheel: Ctrl+= twice
# and Ctrl+0, the keypad's keys and Ctrl with the wheel over the log. The
# log's font grows and shrinks (the caret's height is a row's), the
# character at the top of the log stays in the first row on screen (the
# caret placed on it stays there), and the log frame's caption shows the
# zoom while it is not 100%. The log's text does not change.
# Usage: zoom_test.sh path/to/zor.exe path/to/zor_remote.exe
remote=$2
source "$(dirname "$0")/wine_session.sh"

# Lines long enough to wrap into several rows each.
for i in $(seq 1 40); do
  for j in $(seq 1 60); do printf 'w%d.%d ' "$i" "$j"; done
  printf '\r\n'
done >"$prog/long.txt"

zoom_state() { "$wine" "$remote" zoom | tr -d '\r'; }
caption_is() { [ "$(zoom_state | head -n1)" = "$1" ]; }
caret() { zoom_state | sed -n 2p; }
# Waits for the caption $1 and a caret in the first row of the log.
zoomed_to() {
  wait_for 10 caption_is "$1" || fail "the log frame's caption is not $1: $(zoom_state)"
  read -r x y height < <(caret)
  [ "$y" = 4 ] || fail "at $1 the caret left the first row: $(caret)"
}

zor_start
"$wine" "$remote" load long >/dev/null || fail "could not load the long lines"
"$wine" "$remote" log >"$work/before.txt"
# The caret on the first character of the first row, two pages up.
read -r left top < <("$wine" "$remote" log-origin | tr -d '\r')
xdotool key shift+Tab Prior Prior
xdotool mousemove $((left + 1)) $((top + 6)) click 1
caret_at_top() { [ "$(caret | cut -d' ' -f1-2)" = "4 4" ]; }
wait_for 10 caret_at_top || fail "no caret at the top: $(caret)"
read -r x y normal < <(caret)

xdotool key ctrl+equal
zoomed_to '日志Log 110%'
xdotool key ctrl+equal
zoomed_to '日志Log 125%'
[ "$height" -gt "$normal" ] || fail "the rows did not grow at 125%: $height, $normal at 100%"
xdotool key ctrl+0
zoomed_to '日志Log'
[ "$height" = "$normal" ] && [ "$x" = 4 ] || fail "100% again is not as before: $(caret)"
xdotool key ctrl+KP_Add
zoomed_to '日志Log 110%'
xdotool key ctrl+KP_Subtract ctrl+minus
zoomed_to '日志Log 90%'
[ "$height" -lt "$normal" ] || fail "the rows did not shrink at 90%: $height"
xdotool key ctrl+0
zoomed_to '日志Log'
xdotool keydown ctrl click 4 keyup ctrl
zoomed_to '日志Log 110%'

"$wine" "$remote" log >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" || fail "zooming changed the log's text"
echo "zoom: ok"

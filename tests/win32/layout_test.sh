#!/usr/bin/env bash
# zor.exe under Wine at 96 dots per inch (15 twips a pixel): the designed
# client area, centred on the screen, and the controls placed by the layout
# rule for the window's outer size, at start and after resizing, a window
# too small for the rule included.
# Usage: layout_test.sh path/to/zor.exe path/to/zor_remote.exe
remote=$2
source "$(dirname "$0")/wine_session.sh"

geometry() { "$wine" "$remote" geometry "$@" | tr -d '\r'; }

zor_start
read -r _ left top width height _ client_width client_height < <(geometry | head -n1)
[ "$client_width x $client_height" = "513 x 313" ] ||
  fail "the client area is $client_width x $client_height pixels, not 7695 x 4695 twips"
[ "$left $top" = "$(((1024 - width) / 2)) $(((768 - height) / 2))" ] ||
  fail "the window at $left, $top is not centred"
diff <(geometry | tail -n4) <(printf '%s\n' \
  "Frame1 8 8 $((width - 31)) $((height - 100))" \
  "Text1 8 16 $((width - 49)) $((height - 125))" \
  "Frame2 8 $((height - 85)) $((width - 31)) 41" \
  "Text2 8 16 $((width - 49)) 18") || fail "the controls at start are misplaced"

diff <(geometry 700 500 | tail -n4) <(printf '%s\n' \
  'Frame1 8 8 669 400' 'Text1 8 16 651 375' 'Frame2 8 415 669 41' 'Text2 8 16 651 18') ||
  fail "the controls of a 700 x 500 window are misplaced"
diff <(geometry 200 60 | tail -n4) <(printf '%s\n' \
  'Frame1 8 8 169 0' 'Text1 8 16 151 0' 'Frame2 8 0 169 41' 'Text2 8 16 151 18') ||
  fail "the controls of a 200 x 60 window are misplaced"
kill -0 "$zor_pid" || fail "a small window ended the process"
echo "PASS"

#!/usr/bin/env bash
# Pictures of zor.exe's window under Wine in the states a user sees: the
# banner, the help page, Chinese and characters beyond the BMP, Ctrl+R with
# its caption, and the find box open with a match on the view's top row; in
# the light and the dark scheme, at 96 and at 192 dots per inch. Each is
# kept as a PNG in the folder given and checked by `zor_remote.exe picture`:
# every control as big as its text needs, none over another but the find
# box over the log's text, the match whole in sight, the scheme's colours.
# Usage: pictures_test.sh path/to/zor.exe path/to/zor_remote.exe folder
remote=$2
pictures=$3
# Room for the window at twice the size.
export ZOR_SCREEN=2048x1536
source "$(dirname "$0")/wine_session.sh"
mkdir -p "$pictures"

desktop() { "$wine" reg "$@" /f >/dev/null 2>&1; }
set_dpi() { desktop add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1"; }
# A caret that does not blink, so that a picture holds still.
desktop add 'HKCU\Control Panel\Desktop' /v CursorBlinkRate /t REG_SZ /d -1
# The other tests of the prefix expect 96 and a blinking caret.
pictures_end() {
  local status=$?
  set +e
  set_dpi 96
  desktop delete 'HKCU\Control Panel\Desktop' /v CursorBlinkRate
  (exit "$status")
  session_end
}
trap pictures_end EXIT

last_line_ends() { [[ "$("$wine" "$remote" log | tail -n 1 | tr -d '\r')" == *"$1" ]]; }
caption_is() { [ "$("$wine" "$remote" input | head -n 1 | tr -d '\r')" = "$1" ]; }
find_is() { [ "$("$wine" "$remote" find | tr -d '\r')" = "$1" ]; }

faults=()
# The picture of the window, taken with xwd, as a PNG and as raw RGB.
picture() {
  xwd -id "$window" -silent >"$work/window.xwd" &&
    convert "xwd:$work/window.xwd" "$1.png" && convert "xwd:$work/window.xwd" -depth 8 "rgb:$1.rgb"
}
# The picture $file, taken twice alike, each time after the window has
# painted all it had to, passes the rules.
checked() {
  drawn && picture "$work/before" && drawn && picture "$file" &&
    cmp -s "$work/before.rgb" "$file.rgb" || {
    echo "the picture did not hold still" >"$file.txt"
    return 1
  }
  "$wine" "$remote" picture "$scheme" "Z:$(printf '%s' "$file.rgb" | tr / '\\')" "$@" |
    tr -d '\r' >"$file.txt"
  [ "${PIPESTATUS[0]}" = 0 ]
}
# The picture of state $1 once it holds still and passes the rules (the
# match $2 whole in sight, if given); one that never passes is a fault, its
# last check shown. The PNG is kept, and what was checked beside it.
shot() {
  local name=win-$dpi-$1-$scheme
  local file=$pictures/$name
  if ! wait_for 30 checked "${@:2}"; then
    echo "== $name"
    cat "$file.txt"
    faults+=("$name: $(grep -m1 -e '^FAULT' -e 'not' "$file.txt")")
  fi
  rm -f "$file.rgb"
}

for dpi in 96 192; do
  set_dpi "$dpi"
  for scheme in light dark; do
    zor_start
    if [ "$scheme" = dark ]; then
      zor_type 'bm'
    fi
    wait_for 10 last_line_ends "$([ "$scheme" = dark ] && echo '>>>bm' || echo "Run at $shown_prog")" ||
      fail "the banner did not show"
    shot banner

    zor_type 'say Hello, ZOR!'
    zor_type 'help'
    wait_for 10 last_line_ends '--------------help end--------------' || fail "help did not show"
    shot help

    zor_paste 'say 你好，世界！'
    zor_paste 'say 数学字母 𝐀𝐁𝐂 表情 😀😁'
    wait_for 10 last_line_ends ']数学字母 𝐀𝐁𝐂 表情 😀😁' || fail "the characters beyond the BMP did not show"
    shot chinese

    zor_type 'say apple'
    zor_type 'say banana'
    xdotool key ctrl+r
    xdotool type --delay 15 app
    wait_for 10 caption_is '输入Input (搜索历史 search: app)' || fail "Ctrl+R did not show its caption"
    shot search
    xdotool key Escape

    # The line found is on the view's second row, under the first.
    zor_type 'clear'
    zor_type 'say needle'
    "$wine" "$remote" say 40 >/dev/null
    zor_type 'top'
    xdotool key ctrl+f
    xdotool type --delay 15 needle
    wait_for 10 find_is 'shown 2/2' || fail "the find box did not find the needles"
    shot find needle
    xdotool key Escape

    zor_type 'stop'
    zor_wait_exit 10
  done
done

[ "${#faults[@]}" -eq 0 ] || fail "$(printf '\n  %s' "${faults[@]}")"
echo "PASS"

# Sourced by the window tests: a private X server, the Wine prefix, and
# zor.exe started from a fresh program directory, with ways to type and paste
# into its window. Expects WINEPREFIX in the environment; $1 is zor.exe.
set -eu
zor_exe=$1
wine=${ZOR_WINE:-wine}
work=$(mktemp -d)
prog=$work/prog
mkdir "$prog"
zor_pid= xvfb_pid=
helpers=()

export LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all HOME=$work XDG_RUNTIME_DIR=$work
# X resources, as a desktop session's settings daemon loads them. With none
# at all, Xlib reads the resource files again every time Wine asks for a
# font setting, which it does whenever a window is drawn.
printf 'Xft.antialias: 1\nXft.hinting: 1\nXft.hintstyle: hintslight\nXft.rgba: rgb\nXft.dpi: 96\n' \
  >"$work/.Xdefaults"

# A command that fails outside a check of its own ends the script (set -e)
# without a word: session_end names it, as the script's line or, inside a
# function, as the command.
failed=
trap 'failed="line $LINENO of ${BASH_SOURCE[0]##*/}: $BASH_COMMAND"' ERR
session_end() {
  local status=$? command=$BASH_COMMAND
  [ "$status" = 0 ] || [[ $command == exit* ]] || echo "FAIL: ${failed:-$command} failed with status $status"
  # What fails from here on decides nothing.
  set +e
  # The server kills the prefix's processes and ends in its own time; one
  # still ending takes the next test's first Wine programs with it, and its
  # processes may still write into the home folder.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  for p in "${helpers[@]}" $zor_pid $xvfb_pid; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
  return $status
}
trap session_end EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../support/wait_for.sh"

# The screen is 1024 x 768 pixels unless ZOR_SCREEN gives another size.
Xvfb -displayfd 3 -screen 0 "${ZOR_SCREEN:-1024x768}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")

# Wine makes its prefix on the first start; that start is slow.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi

window=
find_window() {
  window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$window" ]
}

# Starts zor.exe from the program directory and waits for its window, as
# long as a busy machine needs, by the ASCII end of its caption, which
# matches whatever the locale.
zor_start() {
  cp "$zor_exe" "$prog/zor.exe"
  "$wine" "$prog/zor.exe" >"$work/zor.log" 2>&1 &
  zor_pid=$!
  wait_for 120 find_window 'DEZEZA$' || fail "no window with the caption ZOR命令符-DEZEZA"
  wait_for 10 xdotool windowfocus --sync "$window" 2>/dev/null || fail "the window takes no focus"
}

# The program directory as zor.exe shows it, and the welcome banner as the
# log holds it, lines ended by LF, the varying time stamps written [T]; the
# transcripts read by zor_transcript.exe (ZOR_TRANSCRIPT_READER, which only
# the scripts that read transcripts need).
source "$(dirname "${BASH_SOURCE[0]}")/../transcripts/transcripts.sh"
reader=("$wine" "${ZOR_TRANSCRIPT_READER:-}")
shown_prog="Z:$(printf '%s' "$prog" | tr / '\\')"
banner() { transcript_banner "$shown_prog"; }

# Has the window paint what waits to be painted; succeeds when nothing
# still waits (through zor_remote.exe, `remote`).
drawn() { "$wine" "$remote" drawn; }

# Types one command line into the input box and presses Enter.
zor_type() {
  xdotool type --delay 15 -- "$1"
  xdotool key Return
}

# Puts a line on the clipboard once the X clipboard gives it out, and Wine
# to Windows programs too; zor_paste then pastes it into the input box and
# presses Enter.
x_clipboard_holds() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
windows_clipboard_holds() {
  [ "$("$wine" "$remote" clipboard | tr -d '\r')" = "$(printf '%s' "$1" | tr -d '\r')" ]
}
zor_clipboard() {
  printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
  helpers+=($!)
  wait_for 10 x_clipboard_holds "$1" || fail "xclip did not take the clipboard"
  # Wine takes the X clipboard over in its own time; the window pastes what
  # Windows programs see.
  if [ -n "${remote:-}" ]; then
    wait_for 30 windows_clipboard_holds "$1" || fail "Wine did not take the clipboard"
  fi
}
zor_paste() {
  zor_clipboard "$1"
  xdotool key ctrl+v
  xdotool key Return
}

# Waits up to $1 seconds for zor to end and puts its exit status in
# exit_status; one that has not ended by then is killed and gets 137.
exit_status=
zor_wait_exit() {
  exit_status=0
  wait_exit "$1" "$zor_pid" || exit_status=$?
  zor_pid=
}

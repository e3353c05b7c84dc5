#!/usr/bin/env bash
# One transcript through zor.exe's window under Wine, with real keys: each
# line typed (or, what xdotool cannot type, pasted) into an emptied input
# box, the keys pressed, the states it expects waited for, then the log box
# showing the log it expects and the files it ends with beside the program.
# A line that ends the session takes the window with it: the log is read
# before it.
# Usage: transcript_test.sh path/to/zor.exe path/to/zor_remote.exe NAME
remote=$2 name=$3
source "$(dirname "$0")/wine_session.sh"
skip_if_listed wine-window "$name"

expected=$work/expected.txt
log_shows() {
  "$wine" "$remote" log | tr -d '\r' | times_as_placeholder >"$work/shown.txt" &&
    cmp -s "$expected" "$work/shown.txt"
}
expect_log() {
  if ! wait_for 20 log_shows; then
    diff "$expected" "$work/shown.txt" || true
    fail "the log box differs from the transcript $name $1"
  fi
}
# A key of the transcripts as xdotool names it: <Ctrl+Shift+Enter> is
# ctrl+shift+Return.
x_key() {
  local key=$1 modifiers=
  while [[ $key == *+* ]]; do
    modifiers+="${key%%+*}+"
    key=${key#*+}
  done
  case $key in
    Enter) key=Return ;;
    Esc) key=Escape ;;
    Backspace) key=BackSpace ;;
    Space) key=space ;;
    [A-Z]) key=${key,,} ;;
  esac
  modifiers=${modifiers//Ctrl/ctrl}
  modifiers=${modifiers//Shift/shift}
  printf '%s%s' "${modifiers//Alt/alt}" "$key"
}
# Types $1 into the control that has the focus: ASCII with keys, anything
# else by a paste (xdotool's keys for characters off the keyboard map do
# not reach Wine's windows).
x_type() {
  if LC_ALL=C grep -q '[^ -~]' <<<"$1"; then
    zor_clipboard "$1"
    xdotool key ctrl+v
  else
    xdotool type --delay 15 -- "$1"
  fi
}
# The state $1 as the transcripts write it.
state() {
  case $1 in
    input) "$wine" "$remote" input | tr -d '\r' | sed -n 2p ;;
    caption) "$wine" "$remote" input | tr -d '\r' | sed -n 1p ;;
    find) "$wine" "$remote" find | tr -d '\r' | sed 's/^shown //; s/^hidden.*/hidden/' ;;
    clipboard) "$wine" "$remote" clipboard ;;
  esac
}
state_is() { [ "$(state "$1")" = "$2" ]; }

(cd "$prog" && transcript put-files "$name" .)
transcript steps "$name" "$shown_prog" >"$work/steps.txt"
mapfile -t steps <"$work/steps.txt"
banner >"$expected"
zor_start
ended=
for ((i = 0; i < ${#steps[@]}; i++)); do
  IFS=$'\t' read -r kind value more <<<"${steps[i]}"
  case $kind in
    log) printf '%s\n' "$value" >>"$expected" ;;
    enter)
      next=$i
      while [[ ${steps[next + 1]:-} == log$'\t'* ]]; do next=$((next + 1)); done
      if [[ ${steps[next + 1]:-} == expect$'\t'ended* ]]; then
        expect_log "before the line that ends it"
        zor_type "$value"
        zor_wait_exit 20
        [ "$exit_status" = 0 ] || fail "'$value' ended the window with status $exit_status"
        ended=1
        break
      fi
      xdotool key Escape
      x_type "$value"
      xdotool key Return
      ;;
    text) x_type "$value" ;;
    key) xdotool key "$(x_key "$value")" ;;
    clipboard) zor_clipboard "$(printf '%b' "$value")" ;;
    expect)
      case $value in
        empty)
          : >"$expected"
          expect_log "where it is emptied"
          ;;
        *)
          more=$(printf '%b' "$more")
          wait_for 10 state_is "$value" "$more" ||
            fail "$name, step $((i + 1)): the $value shows '$(state "$value")', not '$more'"
          ;;
      esac
      ;;
  esac
done
if [ -z "$ended" ]; then
  expect_log "at its end"
  xdotool key Escape
  zor_type 'stop'
  zor_wait_exit 20
fi
(cd "$prog" && transcript check-files "$name" . "$shown_prog") ||
  fail "the files differ from the transcript $name"
echo "PASS"

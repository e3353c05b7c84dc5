#!/usr/bin/env bash
# zor.exe under Wine: Ctrl+R searches the lines run before, the frame's
# caption showing the search, Enter runs the line found and Esc gives back
# the draft; typing completes the line, Right accepts the completion and
# Enter without it runs only what was typed; AI mode offers none. A paste
# runs only its first line.
# Usage: input_test.sh path/to/zor.exe path/to/zor_remote.exe
remote=$2
source "$(dirname "$0")/wine_session.sh"

# The frame's caption, then the box's text with the selection in brackets.
input() { "$wine" "$remote" input | tr -d '\r'; }
input_is() { [ "$(input)" = "$(printf '%s\n%s' "$1" "$2")" ]; }
expect_input() {
  wait_for 5 input_is "$1" "$2" || fail "$3: the input box shows '$(input | tr '\n' '|')'"
}
log_ends() { [ "$("$wine" "$remote" log | tr -d '\r' | tail -n 2)" = "$(printf '%s\n%s' "$1" "$2")" ]; }
expect_log() { wait_for 10 log_ends "$1" "$2" || fail "$3: the log ends otherwise"; }
search='输入Input (搜索历史 search: '

zor_start
zor_type 'th'
zor_type 'say hello'
zor_type 'say hi there'
expect_log '>>>say hi there' 'hi there' "the lines typed before"

xdotool key ctrl+r
expect_input "$search)" '' "Ctrl+R"
xdotool type 'h'
expect_input "${search}h)" 'say [h]i there' "Ctrl+R and h"
xdotool key ctrl+r
expect_input "${search}h)" 'say [h]ello' "Ctrl+R again"
xdotool key Return
expect_log '>>>say hello' 'hello' "Enter after a search"
expect_input '输入Input' '' "the search after Enter"

xdotool type 'dra'
xdotool key ctrl+r
xdotool type 'hex'
expect_input "${search}hex: 无匹配 no match)" 'say [he]llo' "a search that finds nothing"
xdotool key Escape
expect_input '输入Input' 'dra' "Esc in a search"
xdotool key Escape
expect_input '输入Input' '' "a second Esc"

xdotool type 'say hi'
expect_input '输入Input' 'say hi[ there]' "a completion"
xdotool key Right
expect_input '输入Input' 'say hi there' "Right"
zor_type '!'
expect_log '>>>say hi there!' 'hi there!' "an accepted completion"
xdotool type 'say he'
expect_input '输入Input' 'say he[llo]' "a completion from the history"
xdotool key Return
expect_log '>>>say he' 'he' "Enter with a completion offered"

zor_type 'AI on'
xdotool type 'say h'
expect_input '输入Input' 'say h' "AI mode"
xdotool key Escape
zor_type 'AI off'

zor_paste $'say p1\nsay p2\r\nsay p3'
expect_log '>>>say p1' 'p1' "a paste of three lines"

zor_type 'stop'
zor_wait_exit 10
[ "$exit_status" = 0 ] || fail "stop did not end the process (status $exit_status)"
echo "PASS"

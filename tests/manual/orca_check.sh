#!/usr/bin/env bash
# By hand, not from CI (the setup installs no screen reader): checks with
# Orca (Debian's orca and speech-dispatcher) that Shift+Tab from the input
# box into the log and then Up presents the last line of output.
#
#     tests/manual/orca_check.sh path/to/zor [runs]
#
# Each run has its own X server, D-Bus session, home, speech-dispatcher on
# ALSA's null device (without a sound card Orca's first utterance never
# ends) and Orca debug log, which it keeps and names. Each run also says
# which events the log raised for Up, as Orca received them. Fails unless
# every run both spoke and brailled the line.
set -u
if [ "${1-}" != --run ]; then
  zor=$(realpath "$1")
  runs=${2-7}
  kept=$(mktemp -d)
  spoken=0 brailled=0
  for i in $(seq "$runs"); do
    dir=$kept/$i
    mkdir -p "$dir/home/.config/speech-dispatcher" "$dir/run"
    chmod 700 "$dir/run"
    echo 'pcm.!default { type null }' > "$dir/home/.asoundrc"
    sed 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/' /etc/speech-dispatcher/speechd.conf \
      > "$dir/home/.config/speech-dispatcher/speechd.conf"
    HOME=$dir/home XDG_RUNTIME_DIR=$dir/run xvfb-run --auto-servernum \
      --server-args='-screen 0 1024x768x24' dbus-run-session -- \
      bash "$0" --run "$zor" "$dir" > "$dir/output" 2>&1
    result=$(cat "$dir/result" 2> /dev/null || echo "ended early")
    echo "run $i: $result"
    case $result in *spoken*) spoken=$((spoken + 1)) ;; esac
    case $result in *brailled*) brailled=$((brailled + 1)) ;; esac
  done
  echo "the last line presented after Up: spoken in $spoken of $runs runs, brailled in $brailled"
  echo "Orca's debug logs: $kept/*/orca.log"
  [ "$spoken" = "$runs" ] && [ "$brailled" = "$runs" ]
  exit
fi

zor=$2 dir=$3
log=$dir/orca.log
source "$(dirname "$0")/../support/wait_for.sh"
# Whether Orca has logged, after line $1 of its log, a line holding $2
# and, if given, $3.
logged() { tail -n "+$(($1 + 1))" "$log" 2> /dev/null | grep -F -- "$2" | grep -qF -- "${3-$2}"; }
# Ends what a run started, Orca's speech-dispatcher too; what ignores
# SIGTERM for 10 seconds is killed.
pids=()
finish() {
  pids+=($(cat "$dir/run/speech-dispatcher/pid/speech-dispatcher.pid" 2> /dev/null))
  kill "${pids[@]}" 2> /dev/null
  wait_for 10 eval '! kill -0 "${pids[@]}" 2> /dev/null' || kill -KILL "${pids[@]}" 2> /dev/null
}
trap finish EXIT
say() { echo "$1" > "$dir/result"; }

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# Orca writes its debug log as it goes only to a terminal: it runs in one
# that script(1) records.
script -qfec "orca --replace --user-prefs '$dir/prefs' --debug-file=/dev/tty" "$log" > /dev/null &
pids+=($!)
wait_for 60 logged 0 "SPEECH OUTPUT: 'Screen reader on.'" || { say "Orca did not start"; exit; }

ZOR_HOME=$dir QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$zor" &
pids+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name ZOR | head -n 1)
[ -n "$window" ] || { say "no window"; exit; }
xdotool windowfocus --sync "$window"
wait_for 30 logged 0 "SPEECH OUTPUT: '输入Input" || { say "Orca never reached the input box"; exit; }
# The log's lines start with the time: "]the last line" is the last
# command's output alone. Orca echoes each key and falls behind the typing:
# once the output has come, a key typed and taken back shows when it has
# caught up (Orca handles the keys themselves at once, but what the window
# tells in order).
for line in 'say 你好' 'say second line' 'say the last line'; do
  xdotool type --delay 20 "$line"
  xdotool key Return
done
wait_for 30 logged 0 "insert for [text | 日志Log]" ">>>say the last" || { say "no output"; exit; }
xdotool type x
xdotool key BackSpace
wait_for 60 logged 0 "Dequeued object:text-changed:delete [text | 输入Input] (0,1,x)" ||
  { say "Orca never caught up"; exit; }

mark=$(wc -l < "$log")
xdotool key shift+Tab
wait_for 30 logged "$mark" "SPEECH OUTPUT: '日志Log" || { say "Orca never reached the log"; exit; }
mark=$(wc -l < "$log")
xdotool key Up
spoken() { logged "$mark" "SPEECH OUTPUT: '" "]the last line"; }
brailled() { logged "$mark" "BRAILLE LINE:" "]the last line"; }
wait_for 30 eval 'spoken && brailled'
result=
spoken && result=spoken
brailled && result="$result brailled"
events=$(tail -n "+$((mark + 1))" "$log" | grep -o "EVENT MANAGER: object:[a-z:-]* for \[text | 日志Log\]" |
  cut -d " " -f 3 | sort -u | paste -s -d " ")
say "${result:-not presented}; the log raised ${events:-nothing}"

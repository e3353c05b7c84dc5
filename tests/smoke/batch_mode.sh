#!/usr/bin/env bash
# Runs the built console in batch mode as a user would, where no display is
# reachable: its arguments, a session through a pipe, a closed pipe,
# Ctrl+C, a script that ends while music plays, and an input that never ends
# a line. The transcripts run as tests of their own.
# Usage: batch_mode.sh path/to/zor version path/to/zor_transcript
set -u
version=$2
reader=("$3")
source "$(dirname "$0")/../transcripts/transcripts.sh"
source "$(dirname "$0")/../support/wait_for.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/zor"
cd "$work" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

failures=0
check() {  # what, got, expected
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$3" "$2"
    failures=$((failures + 1))
  fi
}

out=$(./zor --version 2>&1); check "--version" "$out/$?" "ZOR Console $version/0"
out=$(./zor --help 2>&1); check "--help" "$(head -n 1 <<<"$out")/$?" \
  "Usage: zor                  open the console window/0"
out=$(./zor --bogus 2>&1 >/dev/null); check "unknown option" "$out/$?" \
  "zor: --bogus: unknown option (see zor --help)/2"
out=$(./zor --batch missing.txt 2>&1); check "missing file" "$out/$?" \
  "zor: missing.txt: No such file or directory/2"

# A session through a pipe, CR LF ends and a file to convert; stop ends it.
printf 'one\r\ntwo\r\n' > notes.txt
printf 'th\r\nsay 你好\r\n\r\nhtml notes\nsave out\nbogus\nstop\nsay never\n' |
  ./zor --batch > session.txt 2> errors.txt
check "session status" "$?" "0"
check "session errors" "$(cat errors.txt)" ""
after_banner=$(($(transcript_banner "$work" | wc -l) + 1))
check "session" "$(tail -n "+$after_banner" session.txt | sed -E 's/^\[[0-9:]{8}\]/[T]/')" \
  "[T]>>>th
时间显示已关闭!
>>>say 你好
你好
>>>html notes
正在更改notes.txt...
完成！请检查同一目录下的notes.html
>>>save out
保存！请检查同一目录下的out.txt
>>>bogus
无法识别的命令！请仔细检查你的命令！
>>>stop"
# A saved file ends with an empty line.
check "saved log" "$(tail -c 40 out.txt | od -An -c | tr -s ' ')" \
  "$(printf '>>>save out\r\n保存！请检查同一目录下的out.txt\r\n\r\n' | iconv -f UTF-8 -t GB18030 | tail -c 40 |
     od -An -c | tr -s ' ')"

# The same script from a file named on the command line, or as "-".
printf 'th\nsay 1\n' > script.txt
check "file" "$(./zor --batch script.txt | tail -n 1)" "1"
check "dash" "$(./zor --batch - < script.txt | tail -n 1)" "1"

# A process substitution is a file too.
check "/dev/fd" "$(./zor --batch <(printf 'th\nsay fd\n') | tail -n 1)" "fd"

# An input that never ends a line stops at the line limit, in bounded memory
# (the sanitizers' shadow memory takes no address-space limit).
limit=524288
ldd ./zor | grep -q libasan && limit=unlimited
out=$( (ulimit -v "$limit" && ./zor --batch /dev/zero 2>&1 >/dev/null) )
check "endless line" "$out/$?" "zor: /dev/zero: line 1 is longer than 67108864 bytes/1"

# A reader that leaves early: no crash, one line on standard error.
yes 'say x' | head -n 100000 | ./zor --batch 2> errors.txt | head -n 1 > /dev/null
check "closed pipe status" "${PIPESTATUS[2]}" "1"
check "closed pipe message" "$(cat errors.txt)" "zor: standard output: Broken pipe"

# Ctrl+C while waiting for input ends at once.
mkfifo input
./zor --batch < input > interrupted.txt 2>&1 &
zor=$!
exec 3> input
printf 'th\nsay before\n' >&3
wait_for 10 grep -q '^before$' interrupted.txt
kill -INT "$zor"
wait_exit 20 "$zor"
check "Ctrl+C status" "$?" "130"
exec 3>&-
check "Ctrl+C output" "$(tail -n 1 interrupted.txt)" "before"

# At the end of input the run waits for the music to end.
sox -q -n -r 44100 -c 1 -b 16 tone.wav synth 1.5 sine 440 && lame --quiet tone.wav tone.mp3
start=$(date +%s%N)
printf 'pm tone\n' | timeout 30 ./zor --batch > /dev/null 2>&1
check "music status" "$?" "0"
elapsed=$((($(date +%s%N) - start) / 1000000))
if [ "$elapsed" -lt 1400 ]; then
  echo "FAIL the run ended after ${elapsed} ms, before the 1.5 s tone"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "batch mode behaves" || exit 1

#!/usr/bin/env bash
# Music from zor.exe under Wine reaches a private PulseAudio server's null
# sink through MCI: pm plays a real MP3 from a folder whose name holds a
# blank and Chinese, sm stops it, and closing the window stops it too and
# ends the process normally.
# Usage: music_test.sh path/to/zor.exe
source "$(dirname "$0")/wine_session.sh"
prog="$work/我的 music"
mkdir "$prog"

pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n --log-target=stderr \
  --load="module-native-protocol-unix socket=$work/native auth-anonymous=1" \
  --load="module-null-sink sink_name=zor_null" 2>"$work/pulse.log" &
helpers+=($!)
export PULSE_SERVER=unix:$work/native
wait_for 10 pactl info >/dev/null 2>&1 || fail "PulseAudio did not start"
pactl set-default-sink zor_null

sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth 60 sine 440 gain -6
lame --quiet "$work/tone.wav" "$prog/tone.mp3"

# The RMS amplitude of up to two seconds of what the sink plays. Without a small
# latency a null sink's monitor records silence.
sink_rms() {
  timeout 2 parec --device=zor_null.monitor --latency-msec=20 --format=s16le --rate=44100 \
    --channels=2 >"$work/recorded.raw" || true
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/recorded.raw" -n stat 2>&1 |
    awk '/^RMS +amplitude/ {print $3}'
}
loud() { awk -v r="${1:-0}" 'BEGIN { exit !(r > 0.01) }'; }
# The device starts and stops in its own time, slower on a busy machine; the
# tone lasts a minute, so silence within seconds is the stop's doing.
sounding() { rms=$(sink_rms) && loud "$rms"; }
silent() { rms=$(sink_rms) && [ -n "$rms" ] && ! loud "$rms"; }

zor_start
silent || fail "the sink is not silent before pm (RMS ${rms:-none})"
zor_type 'pm tone'
wait_for 30 sounding || fail "pm: the sink heard silence (RMS ${rms:-none})"
zor_type 'sm'
wait_for 5 silent || fail "sm: the music plays on (RMS $rms)"

zor_type 'pm tone'
wait_for 30 sounding || fail "pm after sm: the sink heard silence (RMS ${rms:-none})"
xdotool key alt+F4
zor_wait_exit 10
[ "$exit_status" = 0 ] || fail "closing the window did not end the process normally ($exit_status)"
wait_for 5 silent || fail "closing: the music plays on (RMS $rms)"
echo "PASS"

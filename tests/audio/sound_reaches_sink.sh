#!/usr/bin/env bash
# Proves that playback sends samples to a real sound server: starts a private
# PulseAudio server with a null sink, records the sink's monitor while the
# media back-end plays a tone, and checks that the recording is not silent.
# Usage: sound_reaches_sink.sh path/to/zor_qt_tests
set -eu
tests=$1
work=$(mktemp -d)
pa= rec=
cleanup() {
  [ -n "$rec" ] && kill "$rec" 2>/dev/null
  [ -n "$pa" ] && kill "$pa" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work HOME=$work
pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n --log-target=stderr \
  --load="module-native-protocol-unix socket=$work/native auth-anonymous=1" \
  --load="module-null-sink sink_name=zor_null" 2>"$work/pulse.log" &
pa=$!
export PULSE_SERVER=unix:$work/native
source "$(dirname "$0")/../support/wait_for.sh"
wait_for 10 eval 'pactl info >/dev/null 2>&1'
pactl set-default-sink zor_null

# One recording of the monitor while the test plays its tone; prints the
# recording's RMS amplitude.
record_once() {
  # Without a small latency parecord records silence from a null sink.
  parecord --device=zor_null.monitor --latency-msec=20 --file-format=wav "$work/recorded.wav" &
  rec=$!
  wait_for 10 eval '[ -n "$(pactl list short source-outputs)" ]' >&2
  "$tests" --gtest_filter='QtMediaDeviceTest.TwoFilesPlayAtOnceAndCloseStopsOnlyItsOwn' >&2
  kill "$rec"; wait "$rec" 2>/dev/null || true; rec=
  sox "$work/recorded.wav" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}'
}

# On a loaded machine the recorder may start too late for the tone:
# a few tries, and silence in every one of them fails.
for try in 1 2 3; do
  rms=$(record_once)
  echo "RMS amplitude of recording $try: ${rms:-none}"
  if awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.01) }'; then exit 0; fi
done
echo "the sink heard silence"; cat "$work/pulse.log"; exit 1

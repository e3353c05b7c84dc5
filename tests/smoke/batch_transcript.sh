#!/usr/bin/env bash
# One transcript through zor --batch where no display is reachable: the
# lines it types piped in, every line the log receives on standard output,
# the files it starts and ends with beside the program.
# Usage: batch_transcript.sh path/to/zor path/to/zor_transcript NAME
set -u
reader=("$2")
source "$(dirname "$0")/../transcripts/transcripts.sh"
skip_if_listed batch "$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/zor"
cd "$work" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
batch_transcript "$3" "$work" ./zor && echo "PASS"

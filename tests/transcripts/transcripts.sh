# Sourced by the shell runners: the transcripts of this folder (see
# welcome.txt) as zor_transcript reads them, and a run of one through batch
# mode. The caller puts the reader's command in the array `reader` first.

transcript() { "${reader[@]}" "$@"; }
# The typed lines of transcript $1, one a line.
transcript_typed() { transcript typed "$1"; }
# The banner, its lines ended by LF, with $1 for the program directory and
# [T] for the time.
transcript_banner() { transcript banner "$1"; }
# The log that transcript $1 expects, the banner first, filled in the same
# way with $2.
transcript_log() { transcript log "$1" "$2"; }
# Standard input with the time prefix at a line's start written [T].
times_as_placeholder() { LC_ALL=C sed 's/^\[[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\]/[T]/'; }

# Ends the script as skipped (status 77), giving the reason, when the runner
# $1 does not run transcript $2.
skip_if_listed() {
  local reason
  if reason=$(transcript skipped "$1" "$2"); then
    echo "SKIP: $reason"
    exit 77
  fi
}

# Runs transcript $1 through the batch mode of the command that follows $2
# (the program directory as the program shows it), in the current
# directory: the files it starts with put there, the lines typed, the
# output and the files it ends with compared. Prints what differs and fails
# when anything does.
batch_transcript() {
  local name=$1 shown=$2 status=0
  shift 2
  transcript put-files "$name" . || return 1
  transcript_typed "$name" | "$@" --batch >batch-output.txt 2>batch-errors.txt || status=$?
  if [ "$status" != 0 ] || [ -s batch-errors.txt ]; then
    echo "FAIL: the batch run of $name ended with status $status: $(cat batch-errors.txt)"
    return 1
  fi
  if ! diff <(transcript_log "$name" "$shown") <(times_as_placeholder <batch-output.txt); then
    echo "FAIL: the batch run of the transcript $name differs"
    return 1
  fi
  transcript check-files "$name" . "$shown" || return 1
}

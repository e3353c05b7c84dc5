# Sourced by the shell tests: the transcripts of this folder as typed lines
# and as the log expected (see welcome.txt), and a run of each through batch
# mode.
transcripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The typed lines of transcript $1, one a line.
transcript_typed() { awk -v what=typed -f "$transcripts/expand.awk" "$transcripts/$1.txt"; }
# The banner, its lines ended by LF, with $1 for the program directory, $2
# for the version, [T] for the time.
transcript_banner() {
  TRANSCRIPT_DIR=$1 TRANSCRIPT_VERSION=$2 awk -v what=log -f "$transcripts/expand.awk" \
    "$transcripts/welcome.txt"
}
# The log that transcript $1 expects, the banner first, filled in the same way
# with $2 and $3.
transcript_log() {
  TRANSCRIPT_DIR=$2 TRANSCRIPT_VERSION=$3 awk -v what=log -f "$transcripts/expand.awk" \
    "$transcripts/welcome.txt" "$transcripts/$1.txt"
}
# Standard input with the time prefix at a line's start written [T].
times_as_placeholder() { LC_ALL=C sed 's/^\[[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\]/[T]/'; }
# The names of the transcripts that type something.
transcript_names() {
  for file in "$transcripts"/*.txt; do
    [ "$(basename "$file")" = welcome.txt ] || basename "$file" .txt
  done
}

# Runs every transcript through the batch mode of the command that follows
# $1 (the program directory as the program shows it) and $2 (the version),
# in the current directory, and prints a diff for each whose output differs.
# Fails when any does.
batch_transcripts() {
  local shown=$1 version=$2 failed=0 name
  shift 2
  for name in $(transcript_names); do
    if ! diff <(transcript_log "$name" "$shown" "$version") \
      <(transcript_typed "$name" | "$@" --batch | times_as_placeholder); then
      echo "FAIL: the batch run of the transcript $name differs"
      failed=1
    fi
  done
  return $failed
}

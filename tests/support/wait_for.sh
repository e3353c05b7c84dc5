# Sourced by the shell tests: waiting for a state, never for the clock.

# Runs the command that follows $1 until it succeeds, for at most $1 seconds,
# looking again every tenth of a second. At the deadline it says on standard
# error what it waited for and fails.
wait_for() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    if [ "$SECONDS" -ge "$end" ]; then
      printf 'waited %s s in vain for:%s\n' "$seconds" "$(printf ' %q' "$@")" >&2
      return 1
    fi
    sleep 0.1
  done
}

# Waits up to $1 seconds for the child process $2 to end and returns its
# exit status; one still running then is killed (status 137).
wait_exit() {
  (sleep "$1" && kill -KILL "$2") >/dev/null 2>&1 &
  local watchdog=$! status=0
  wait "$2" || status=$?
  kill "$watchdog" 2>/dev/null || true
  wait "$watchdog" 2>/dev/null || true
  return $status
}

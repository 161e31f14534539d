# wait_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds; returns 1 when it
# still fails after that long. Sourced by the end-to-end helpers of every front end.
wait_until() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# What every script that drives a real window shares: a private Xvfb, waiting
# for windows and files, typing as a user does, screenshots, and counting
# checks. Sourced; the caller keeps `xvfb_pid` for its cleanup.

failures=0

# check DESCRIPTION COMMAND...: runs the command and counts a failure.
check() {
  local description="$1"
  shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}

# start_xvfb DIR [WIDTHxHEIGHT]: a display of our own, numbered by the server
# itself so that parallel runs never collide. -noreset keeps what a test sets
# on the server (EDID properties, monitors) when the last client leaves.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${2:-1280x1024}x24" -nolisten tcp -noreset 3>"$1/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s "$1/display" ]] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$1/display")"
}

# Waits up to $2 seconds (default 60) for a visible window with exactly this
# title; prints its id.
wait_window() {
  local tenths=$(( ${2:-60} * 10 ))
  for _ in $(seq "$tenths"); do
    if id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)" && [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

wait_gone() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

wait_file() {
  for _ in $(seq 300); do
    [[ -s "$1" ]] && return 0
    sleep 0.1
  done
  return 1
}

# Gives a window the keyboard focus (nothing else does without a window
# manager) and types keys into it.
type_keys() {
  local window="$1"
  shift
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers "$@"
}

# shot NAME [SECONDS]: the whole screen into $SCREENSHOT_DIR, when that is
# set, once the window has had the time (default 0.5 s) to paint.
shot() {
  if [[ -n "${SCREENSHOT_DIR:-}" ]]; then
    mkdir -p "$SCREENSHOT_DIR"
    sleep "${2:-0.5}"
    import -window root "$SCREENSHOT_DIR/$1.png"
  fi
}

# Ends the script with the count of failed checks.
finish_checks() {
  if ((failures)); then
    echo "$1: $failures failed"
    exit 1
  fi
  echo "$1: all passed"
}

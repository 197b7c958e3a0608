#!/usr/bin/env bash
# Starts the real program on its own Xvfb display, as a user would:
#  - with config.xml beside it, the main window appears and stays;
#  - without it, the error message appears, and once dismissed with Enter the
#    process ends.
# A screenshot of each is left in $SCREENSHOT_DIR when that is set.
set -euo pipefail
source "$(dirname "$0")/display_lib.sh"
exe="$(realpath "$1")"
work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work" 1024x768
export QT_QPA_PLATFORM=xcb

# With config.xml beside the executable.
mkdir "$work/with-config"
cp "$exe" "$(dirname "$exe")/config.xml" "$work/with-config/"
"$work/with-config/VeloInspect" >/dev/null &
app_pid=$!
if wait_window "Velotrace System Inspector" 20 >/dev/null; then
  shot main-window
  sleep 0.5
  check "main window appears and the program keeps running" kill -0 "$app_pid"
else
  check "main window appears" false
fi
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=""

# Without config.xml: the message box, titled with the executable's name.
mkdir "$work/without-config"
cp "$exe" "$work/without-config/"
"$work/without-config/VeloInspect" >/dev/null &
app_pid=$!
if box="$(wait_window "VeloInspect" 20)"; then
  shot missing-config
  check "missing config.xml shows the message box" true
  check "the main window does not appear" \
    bash -c "! xdotool search --onlyvisible --name '^Velotrace System Inspector\$' >/dev/null"
  # Without a window manager nobody gives the box the focus: do it, then
  # type Enter as a user would.
  xdotool windowfocus --sync "$box"
  xdotool key Return
  ended=false
  for _ in $(seq 100); do
    if ! kill -0 "$app_pid" 2>/dev/null; then ended=true; break; fi
    sleep 0.1
  done
  check "the program ends once the message is dismissed" $ended
else
  check "missing config.xml shows the message box" false
fi

finish_checks "startup test"

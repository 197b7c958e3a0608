#!/usr/bin/env bash
# Starts the Windows build under Wine on the Xvfb display and Wine prefix
# that scripts/test-windows prepared, as a user would:
#  - with config.xml beside it, the main window appears with the template's
#    controls, ids and texts; its About system command opens the About box,
#    and its close box ends the program;
#  - without it, the error message appears, and once dismissed with Enter the
#    process ends.
# Usage: startup_test.sh BUILD_DIR   (DISPLAY and WINEPREFIX set)
set -euo pipefail
source "$(dirname "$0")/../display_lib.sh"
build="$(realpath "$1")"
work="$(mktemp -d)"
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

inspect() {
  timeout 60 wine "$build/tests/inspect_window.exe" "$@" | tr -d '\r'
}

has_line() { grep -qxF -- "$2" <<<"$1"; }
# A control line whose text is exactly this, whatever its style.
has_control() { grep -q "^$(sed 's/[][\.*^$|]/\\&/g' <<<"$2")|[0-9a-f]*\$" <<<"$1"; }

# With config.xml beside the executable.
mkdir "$work/with-config"
cp "$build/VeloInspect.exe" "$build/config.xml" "$work/with-config/"
timeout 300 wine "$work/with-config/VeloInspect.exe" >/dev/null 2>&1 &
app_pid=$!
if seen="$(inspect "Velotrace System Inspector" 60)"; then
  shot windows-main-window 1
  check "the main window appears" has_line "$seen" "window|Velotrace System Inspector|#32770"
  # The demo installations are in the prefix: the last installed one is preselected.
  check "version selector 1006 with the last installed version" grep -qE '^control\|1006\|ComboBox\|velotrace 2024\|' <<<"$seen"
  check "Create report 1008, disabled" grep -qE '^control\|1008\|Button\|&Create report\|[0-9a-f]{1}[89a-f][0-9a-f]{6}$' <<<"$seen"
  check "Sys info... 2, the default button" grep -qE '^control\|2\|Button\|&Sys info\.\.\.\|[0-9a-f]{7}1$' <<<"$seen"
  check "status list 1001" grep -qE '^control\|1001\|SysListView32\|\|' <<<"$seen"
  check "introductory text 1000" grep -qE '^control\|1000\|Static\|Select a Velotrace version' <<<"$seen"
  check "group frame 1007" grep -qE '^control\|1007\|Button\|\|' <<<"$seen"
  check "the size grip" grep -qE '^control\|0\|ScrollBar\|' <<<"$seen"
  inspect "Velotrace System Inspector" 5 --syscommand 16 >/dev/null
  if about="$(inspect "About VeloInspect" 30)"; then
    shot windows-about 1
    inspect "About VeloInspect" 5 --close >/dev/null
    check "the About box shows the version" grep -qE '^control\|[-0-9]+\|Static\|VeloInspect, Version 2\.0\.1\|' <<<"$about"
    check "the About box has OK" grep -qE '^control\|1\|Button\|OK\|' <<<"$about"
  else
    check "the About system command opens the About box" false
  fi
  sleep 1
  inspect "Velotrace System Inspector" 5 --close >/dev/null
  ended=false
  for _ in $(seq 200); do
    if ! kill -0 "$app_pid" 2>/dev/null; then ended=true; break; fi
    sleep 0.1
  done
  check "closing the window ends the program" $ended
else
  check "the main window appears" false
fi
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=""
timeout 30 wineserver -k 2>/dev/null || true
timeout 30 wineserver -w 2>/dev/null || true

# Without config.xml: the message box, titled with the executable's name.
mkdir "$work/without-config"
cp "$build/VeloInspect.exe" "$work/without-config/"
timeout 300 wine "$work/without-config/VeloInspect.exe" >/dev/null 2>&1 &
app_pid=$!
if seen="$(inspect "VeloInspect" 60)"; then
  shot windows-missing-config 1
  check "missing config.xml shows the message" has_control "$seen" \
    "control|65535|Static|Error: The 'config.xml' could not be read.  Please make sure this file is available.  This program will now close."
  check "the message box has only OK" bash -c "[[ \$(grep -c '^control|[0-9]*|Button|' <<<'$seen') == 1 ]]"
  check "the main window does not appear" bash -c "! timeout 60 wine '$build/tests/inspect_window.exe' 'Velotrace System Inspector' 0 >/dev/null"
  box="$(xdotool search --name '^VeloInspect$' | head -1)"
  xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
  xdotool key Return
  ended=false
  for _ in $(seq 200); do
    if ! kill -0 "$app_pid" 2>/dev/null; then ended=true; break; fi
    sleep 0.1
  done
  check "the program ends once the message is dismissed" $ended
else
  check "missing config.xml shows the message" false
fi

finish_checks "windows startup test"

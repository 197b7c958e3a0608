#!/usr/bin/env bash
# The whole journey on the Windows build under Wine, on the display and the
# prefix scripts/test-windows prepared (the demo installations imported):
#  1. with the delivered config.xml: start, Enter, Esc, Alt+C; the product
#     sections must equal the expected bytes, and the hardware and OS
#     sections name what config.xml declares;
#  2. with a configuration whose values do not change from one second to the
#     next: the window's report and VeloInspectReport.exe's are the same bytes.
# Usage: journey_windows.sh BUILD_DIR   (DISPLAY and WINEPREFIX set)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/journey_lib.sh"
build="$(realpath "$1")"
data="$here/../data/e2e"
work="$(mktemp -d)"
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
report_name="Velotrace Inspector summary for velotrace 2024.txt"

window_journey() {
  local config="$1" out="$2" name="$3"
  mkdir -p "$work/$name/program" "$out"
  cp "$build/VeloInspect.exe" "$work/$name/program/"
  cp "$config" "$work/$name/program/config.xml"
  (cd "$out" && exec timeout 300 wine "$work/$name/program/VeloInspect.exe" >/dev/null 2>&1) &
  app_pid=$!
  local main
  main="$(wait_window "Velotrace System Inspector" 90)" || { check "$name: the main window appears" false; return; }
  sleep 1
  type_keys "$main" Return
  local info
  if info="$(wait_window "Velotrace System Info" 180)"; then
    shot "windows-$name-sysinfo"
    type_keys "$info" Escape
    check "$name: Esc closes the system information dialog" wait_gone "Velotrace System Info"
    sleep 0.5
    type_keys "$main" alt+c
    check "$name: Alt+C writes the report" wait_file "$out/$report_name"
    shot "windows-$name-main"
  else
    check "$name: Enter opens the system information dialog" false
  fi
  timeout 60 wine "$build/tests/inspect_window.exe" "Velotrace System Inspector" 5 --close >/dev/null 2>&1 || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  timeout 30 wineserver -w 2>/dev/null || true
}

window_journey "$build/config.xml" "$work/delivered" delivered
report="$work/delivered/$report_name"
if [[ -f "$report" ]]; then
  check_delivered_report "$report" "${common_displays[@]}" "Video adapter" "Graphics driver date"
fi

window_journey "$data/stable-config.xml" "$work/stable-window" stable
mkdir -p "$work/stable-command/program" "$work/stable-command/out"
cp "$build/VeloInspectReport.exe" "$work/stable-command/program/"
cp "$data/stable-config.xml" "$work/stable-command/program/config.xml"
check "VeloInspectReport.exe writes its report" \
  bash -c "cd '$work/stable-command/out' && timeout 300 wine '$work/stable-command/program/VeloInspectReport.exe' >/dev/null 2>&1"
check "VeloInspectReport.exe writes the same bytes as the window" \
  cmp "$work/stable-window/$report_name" "$work/stable-command/out/$report_name"

finish_checks "windows journey"

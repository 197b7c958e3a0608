#!/usr/bin/env bash
# The whole journey on the Linux build, driven as a person would under a
# private Xvfb, on the demo installations of the build's Wine prefix:
#  1. with the delivered config.xml: start, Enter (collect and browse), Esc
#     (close the dialog), Alt+C (the report); the product sections must equal
#     the expected bytes and the hardware and OS sections name what
#     config.xml declares;
#  2. with a configuration whose values do not change from one second to the
#     next: the window's report and veloinspect-report's are the same bytes.
#  3. the report command's options and failures.
# Usage: journey_linux.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/journey_lib.sh"
build="$(realpath "$1")"
data="$here/../data/e2e"
work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"
export QT_QPA_PLATFORM=xcb
export WINEPREFIX="$build/demo-prefix"
report_name="Velotrace Inspector summary for velotrace 2024.txt"

# Runs the window's journey with the given config.xml; the report lands in $2.
window_journey() {
  local config="$1" out="$2" name="$3"
  mkdir -p "$work/$name/program" "$out"
  cp "$build/VeloInspect" "$work/$name/program/"
  cp "$config" "$work/$name/program/config.xml"
  (cd "$out" && exec "$work/$name/program/VeloInspect" >/dev/null 2>&1) &
  app_pid=$!
  local main
  main="$(wait_window "Velotrace System Inspector")" || { check "$name: the main window appears" false; return; }
  type_keys "$main" Return
  local info
  if info="$(wait_window "Velotrace System Info" 120)"; then
    shot "$name-sysinfo"
    type_keys "$info" Escape
    check "$name: Esc closes the system information dialog" wait_gone "Velotrace System Info"
    type_keys "$main" alt+c
    check "$name: Alt+C writes the report" wait_file "$out/$report_name"
    shot "$name-main"
  else
    check "$name: Enter opens the system information dialog" false
  fi
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

window_journey "$build/config.xml" "$work/delivered" delivered
report="$work/delivered/$report_name"
if [[ -f "$report" ]]; then
  check_delivered_report "$report" "${common_displays[@]}" "Volume size" "Free space"
fi

window_journey "$data/stable-config.xml" "$work/stable-window" stable
mkdir -p "$work/stable-command/program" "$work/stable-command/out"
cp "$build/veloinspect-report" "$work/stable-command/program/"
cp "$data/stable-config.xml" "$work/stable-command/program/config.xml"
check "veloinspect-report writes its report" \
  bash -c "'$work/stable-command/program/veloinspect-report' --output '$work/stable-command/out' >/dev/null 2>&1"
check "veloinspect-report writes the same bytes as the window" \
  cmp "$work/stable-window/$report_name" "$work/stable-command/out/$report_name"

command="$work/stable-command/program/veloinspect-report"
exit_status() {
  local want="$1"
  shift
  local status=0
  "$@" >"$work/out.txt" 2>"$work/err.txt" || status=$?
  [[ "$status" == "$want" ]]
}
check "--help documents the options" \
  bash -c "'$command' --help | grep -q -- '--version NAME' && '$command' --help | grep -q -- '--output DIR'"
check "--list names the versions and marks the default" \
  cmp <("$command" --list 2>/dev/null) <(printf '  velotrace 2023\n* velotrace 2024\n  velotrace 2024 for solidworks\n')
mkdir -p "$work/addin"
check "--version chooses another version, whatever its letter case" \
  exit_status 0 "$command" --version "VELOTRACE 2024 FOR SOLIDWORKS" --output "$work/addin"
check "the add-in edition's report has its SOLIDWORKS section" \
  grep -q $'^Velotrace for SOLIDWORKS profile\r$' "$work/addin/Velotrace Inspector summary for velotrace 2024 for solidworks.txt"
check "an unknown version fails with 1 and names the installed ones" exit_status 1 "$command" --version 1999 --output "$work/addin"
check "... on standard error" grep -q 'installed: velotrace 2023, velotrace 2024' "$work/err.txt"
check "a wrong command line fails with 2" exit_status 2 "$command" --verbose
check "a folder that does not exist fails with 1" exit_status 1 "$command" --output "$work/missing/folder"
mkdir -p "$work/no-config"
cp "$command" "$work/no-config/"
check "without config.xml the command fails with 1" exit_status 1 "$work/no-config/veloinspect-report"
check "... and says why on standard error" grep -q "The 'config.xml' could not be read" "$work/err.txt"

finish_checks "linux journey"

#!/usr/bin/env bash
# The whole journey on the Linux build, driven as a person would under a
# private Xvfb, on the demo installations of the build's Wine prefix:
#  1. with the delivered config.xml: start, Enter (collect and browse), Esc
#     (close the dialog), Alt+C (the report); the product sections must equal
#     the expected bytes and the hardware and OS sections name what
#     config.xml declares;
#  2. with a configuration whose values do not change from one second to the
#     next: the window's report and veloinspect-report's are the same bytes.
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
  check "the product sections are the expected bytes" \
    cmp -s <(product_sections "$report") "$data/velotrace-2024-product-sections.txt"
  for display in "Processor" "Number of cores" "Total physical memory" "Memory load" \
                 "FMA3 instructions supported" "OpenGL vendor" "OpenGL extensions (click here for list)" \
                 "OpenCL runtime loaded" "# Monitors" "Volume size" "Free space" \
                 "Operating system" "Version" "Architecture" "Administrator rights"; do
    check "the report lists \"$display\"" has_entry "$report" "$display"
  done
  check "every line of the report ends in CR LF" bash -c "! grep -qv \$'\\r\$' '$report'"
fi

window_journey "$data/stable-config.xml" "$work/stable-window" stable
mkdir -p "$work/stable-command/program" "$work/stable-command/out"
cp "$build/veloinspect-report" "$work/stable-command/program/"
cp "$data/stable-config.xml" "$work/stable-command/program/config.xml"
check "veloinspect-report writes its report" \
  bash -c "'$work/stable-command/program/veloinspect-report' --output '$work/stable-command/out' >/dev/null 2>&1"
check "veloinspect-report writes the same bytes as the window" \
  cmp "$work/stable-window/$report_name" "$work/stable-command/out/$report_name"

if ((failures)); then
  echo "linux journey: $failures failed"
  exit 1
fi
echo "linux journey: all passed"

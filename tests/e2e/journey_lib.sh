# Shared steps of the end-to-end journeys: a private Xvfb, waiting for
# windows, typing as a user does, and comparing report files. Sourced.

failures=0

# check DESCRIPTION COMMAND...: runs the command and counts a failure.
check() {
  local description="$1"
  shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}

start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/display" 2>/dev/null &
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

shot() {
  if [[ -n "${SCREENSHOT_DIR:-}" ]]; then
    mkdir -p "$SCREENSHOT_DIR"
    sleep 0.5
    import -window root "$SCREENSHOT_DIR/$1.png"
  fi
}

# The part of a report from its product section on, byte for byte.
product_sections() { sed -n '/^Velotrace profile\r$/,$p' "$1" | { printf '\r\n=================\r\n'; cat; }; }

has_entry() { grep -qF "$(printf '\t%s - ' "$2")" "$1"; }

# check_delivered_report REPORT DISPLAY...: the report of the demo's
# velotrace 2024 with the delivered config.xml: its product sections byte for
# byte, an entry for each display text, CR LF line ends.
check_delivered_report() {
  local report="$1"
  shift
  check "the product sections are the expected bytes" \
    cmp -s <(product_sections "$report") "$data/velotrace-2024-product-sections.txt"
  local display
  for display in "$@"; do
    check "the report lists \"$display\"" has_entry "$report" "$display"
  done
  check "every line of the report ends in CR LF" bash -c "! grep -qv \$'\\r\$' '$report'"
}

# Every machine has these; the scripts add what their platform has besides.
common_displays=("Processor" "Number of cores" "Total physical memory" "Memory load"
                 "FMA3 instructions supported" "OpenGL vendor" "OpenGL extensions (click here for list)"
                 "OpenCL runtime loaded" "# Monitors" "Operating system" "Version" "Architecture"
                 "Administrator rights")

# Shared steps of the end-to-end journeys: the display helpers, and comparing
# report files. Sourced.

source "$(dirname "${BASH_SOURCE[0]}")/../display_lib.sh"

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

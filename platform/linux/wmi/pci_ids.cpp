#include "platform/linux/wmi/pci_ids.h"

#include "base/text.h"
#include "platform/linux/wmi/proc_parsers.h"

namespace platform::linux_backend::wmi {

namespace {

// The id and name of a line "xxxx  name" (after its leading tabs).
bool SplitIdLine(std::string_view line, std::uint16_t& id, std::string_view& name) {
  if (line.size() < 6 || (line[4] != ' ' && line[4] != '\t')) return false;
  const std::optional<std::uint64_t> number = ParseNumber("0x" + std::string(line.substr(0, 4)));
  if (!number) return false;
  id = static_cast<std::uint16_t>(*number);
  name = text::Trim(line.substr(5), text::kLineBlanks);
  return !name.empty();
}

}  // namespace

PciNames LookUpPciIds(std::string_view ids, std::uint16_t vendor, std::uint16_t device) {
  PciNames names;
  while (!ids.empty()) {
    const std::size_t end = ids.find('\n');
    std::string_view line = ids.substr(0, end);
    ids.remove_prefix(end == std::string_view::npos ? ids.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::uint16_t id = 0;
    std::string_view name;
    if (line.front() != '\t') {
      // A new vendor, or the class list: either way the vendor's devices
      // have ended.
      if (names.vendor) break;
      if (line.substr(0, 2) == "C ") break;
      if (SplitIdLine(line, id, name) && id == vendor) names.vendor = std::string(name);
      continue;
    }
    if (!names.vendor || line.size() < 2 || line[1] == '\t') continue;
    if (SplitIdLine(line.substr(1), id, name) && id == device) {
      names.device = std::string(name);
      break;
    }
  }
  return names;
}

}  // namespace platform::linux_backend::wmi

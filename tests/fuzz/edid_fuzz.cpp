// Fuzzes the two parsers of the monitor and memory probes. The bytes go to
// the EDID name reader as they are and once more made into a base block with
// a valid header and checksum, so that the descriptors are reached; the name
// must be printable ASCII of at most 13 characters taken from a product name
// descriptor. The same bytes, read as /proc/meminfo text, must give a load
// of at most 100 that a final line feed does not change.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/edid.h"
#include "platform/linux/meminfo.h"

namespace {

using platform::linux_backend::MonitorNameFromEdid;
using platform::linux_backend::ParseMemoryLoad;

constexpr std::array<std::uint8_t, 8> kHeader = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

// Whether a descriptor slot of the block names the product with a text that
// starts with `name`.
bool SomeDescriptorHolds(std::span<const std::uint8_t> block, const std::wstring& name) {
  for (const std::size_t offset : {54u, 72u, 90u, 108u}) {
    const std::uint8_t* d = block.data() + offset;
    if (d[0] != 0 || d[1] != 0 || d[3] != 0xFC) continue;
    if (std::equal(name.begin(), name.end(), d + 5, [](wchar_t c, std::uint8_t b) { return c == b; })) return true;
  }
  return false;
}

void CheckName(std::span<const std::uint8_t> edid) {
  const std::wstring name = MonitorNameFromEdid(edid);
  if (name.empty()) return;
  if (name.size() > 13 || name.back() == L' ') std::abort();
  if (std::any_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x20 || c > 0x7E; })) std::abort();
  if (edid.size() < 128 || !SomeDescriptorHolds(edid, name)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckName(std::span<const std::uint8_t>(data, size));
  if (size >= 128) {
    std::vector<std::uint8_t> block(data, data + size);
    std::copy(kHeader.begin(), kHeader.end(), block.begin());
    unsigned sum = 0;
    for (std::size_t i = 0; i < 127; ++i) sum += block[i];
    block[127] = static_cast<std::uint8_t>(256 - sum % 256);
    CheckName(block);
  }

  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::uint32_t load = ParseMemoryLoad(text);
  if (load > 100 || ParseMemoryLoad(text + "\n") != load) std::abort();
  return 0;
}

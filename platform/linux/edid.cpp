#include "platform/linux/edid.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace platform::linux_backend {

namespace {

constexpr std::size_t kBlockSize = 128;
constexpr std::array<std::uint8_t, 8> kHeader = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::array<std::size_t, 4> kDescriptorOffsets = {54, 72, 90, 108};
constexpr std::size_t kDescriptorSize = 18;
constexpr std::uint8_t kProductNameTag = 0xFC;
constexpr std::size_t kTextOffset = 5;
constexpr std::size_t kTextSize = 13;

// The bytes of one block add up to 0 modulo 256.
bool ChecksumHolds(std::span<const std::uint8_t> block) {
  return std::accumulate(block.begin(), block.end(), 0u) % 256 == 0;
}

std::wstring DescriptorText(std::span<const std::uint8_t> text) {
  const auto end = std::find(text.begin(), text.end(), std::uint8_t{'\n'});
  std::wstring name;
  for (auto it = text.begin(); it != end; ++it) {
    if (*it < 0x20 || *it > 0x7E) return {};
    name.push_back(static_cast<wchar_t>(*it));
  }
  name.erase(name.find_last_not_of(L' ') + 1);
  return name;
}

}  // namespace

std::wstring MonitorNameFromEdid(std::span<const std::uint8_t> edid) {
  if (edid.size() < kBlockSize) return {};
  const std::span<const std::uint8_t> block = edid.first(kBlockSize);
  if (!std::equal(kHeader.begin(), kHeader.end(), block.begin()) || !ChecksumHolds(block)) return {};
  for (const std::size_t offset : kDescriptorOffsets) {
    const std::span<const std::uint8_t> descriptor = block.subspan(offset, kDescriptorSize);
    // A pixel clock other than 0 makes the slot a detailed timing, whose
    // fourth byte is part of the timing rather than a tag.
    if (descriptor[0] != 0 || descriptor[1] != 0 || descriptor[3] != kProductNameTag) continue;
    return DescriptorText(descriptor.subspan(kTextOffset, kTextSize));
  }
  return {};
}

}  // namespace platform::linux_backend

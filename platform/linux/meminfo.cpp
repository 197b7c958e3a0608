#include "platform/linux/meminfo.h"

#include <limits>

#include "platform/linux/wmi/proc_parsers.h"

namespace platform::linux_backend {

namespace {

// Larger values could not be multiplied by 100, or three of them added, in
// 64 bits.
constexpr std::uint64_t kLargestValue = std::numeric_limits<std::uint64_t>::max() / 100;

}  // namespace

std::uint32_t ParseMemoryLoad(std::string_view meminfo) {
  const wmi::MemInfo info = wmi::ParseMemInfo(meminfo);
  if (!info.totalKb || *info.totalKb == 0 || *info.totalKb > kLargestValue) return 0;
  std::uint64_t available = 0;
  if (info.availableKb) {
    available = *info.availableKb;
  } else if (info.freeKb && info.buffersKb && info.cachedKb && *info.freeKb <= kLargestValue &&
             *info.buffersKb <= kLargestValue && *info.cachedKb <= kLargestValue) {
    available = *info.freeKb + *info.buffersKb + *info.cachedKb;
  } else {
    return 0;
  }
  const std::uint64_t total = *info.totalKb;
  if (available >= total) return 0;
  return static_cast<std::uint32_t>((total - available) * 100 / total);
}

}  // namespace platform::linux_backend

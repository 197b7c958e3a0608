#include "platform/linux/meminfo.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>

namespace platform::linux_backend {

namespace {

enum Field { kTotal, kAvailable, kFree, kBuffers, kCached, kFieldCount };

constexpr std::array<std::string_view, kFieldCount> kNames = {"MemTotal", "MemAvailable", "MemFree", "Buffers",
                                                              "Cached"};

// Larger values could not be multiplied by 100 in 64 bits.
constexpr std::uint64_t kLargestValue = std::numeric_limits<std::uint64_t>::max() / 100;

std::string_view TrimBlanks(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The value after a key's colon: a decimal number, optionally followed by
// the unit "kB" that every line of the file carries.
std::optional<std::uint64_t> ParseValue(std::string_view text) {
  text = TrimBlanks(text);
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value > kLargestValue) return std::nullopt;
  const std::string_view unit = TrimBlanks(text.substr(static_cast<std::size_t>(end - text.data())));
  if (!unit.empty() && unit != "kB") return std::nullopt;
  return value;
}

}  // namespace

std::uint32_t ParseMemoryLoad(std::string_view meminfo) {
  std::array<std::optional<std::uint64_t>, kFieldCount> values;
  while (!meminfo.empty()) {
    const std::size_t newline = meminfo.find('\n');
    const std::string_view line = meminfo.substr(0, newline);
    meminfo = newline == std::string_view::npos ? std::string_view() : meminfo.substr(newline + 1);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
      // The first line of a name counts; a malformed one spoils the answer.
      if (line.substr(0, colon) != kNames[field] || values[field]) continue;
      values[field] = ParseValue(line.substr(colon + 1));
      if (!values[field]) return 0;
    }
  }
  if (!values[kTotal] || *values[kTotal] == 0) return 0;
  std::uint64_t available = 0;
  if (values[kAvailable]) {
    available = *values[kAvailable];
  } else if (values[kFree] && values[kBuffers] && values[kCached]) {
    available = *values[kFree] + *values[kBuffers] + *values[kCached];
  } else {
    return 0;
  }
  const std::uint64_t total = *values[kTotal];
  if (available >= total) return 0;
  return static_cast<std::uint32_t>((total - available) * 100 / total);
}

}  // namespace platform::linux_backend

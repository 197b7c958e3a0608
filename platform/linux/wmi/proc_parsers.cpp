#include "platform/linux/wmi/proc_parsers.h"

#include <charconv>
#include <cmath>

#include "base/text.h"
#include "platform/linux/wmi/cim_datetime.h"

namespace platform::linux_backend::wmi {

namespace {

bool IsBlank(char c) { return text::IsOneOf(c, text::kLineBlanks); }

// Calls `visit` with each line of the text, without its line feed.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    visit(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

// The next field separated by blanks, taken off the front of the text.
std::string_view NextField(std::string_view& text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  std::size_t end = start;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  const std::string_view field = text.substr(start, end - start);
  text.remove_prefix(end);
  return field;
}

std::optional<std::uint32_t> ParseNumber32(std::string_view text) {
  const std::optional<std::uint64_t> value = ParseNumber(text);
  if (!value || *value > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

std::optional<double> ParsePositive(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value <= 0) {
    return std::nullopt;
  }
  return value;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The kernel writes space, tab, line feed and backslash of a mount field as
// a backslash and three octal digits.
std::string DecodeMountField(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
        IsOctal(field[i + 3]) && field[i + 1] <= '3') {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of an os-release assignment: double quotes take backslash
// escapes of \, ", $ and `; single quotes take everything literally; an
// unquoted value is the rest of the line. A quote that is never closed runs
// to the end of the line.
std::string Unquote(std::string_view value) {
  if (value.empty() || (value.front() != '"' && value.front() != '\'')) return std::string(value);
  const char quote = value.front();
  std::string out;
  for (std::size_t i = 1; i < value.size(); ++i) {
    const char c = value[i];
    if (c == quote) break;
    if (quote == '"' && c == '\\' && i + 1 < value.size()) {
      const char next = value[i + 1];
      if (next == '\\' || next == '"' || next == '$' || next == '`') {
        out += next;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::optional<std::uint64_t> ParseNumber(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  std::uint64_t value = 0;
  if (text.empty()) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<CpuInfoEntry> ParseCpuInfo(std::string_view text) {
  std::vector<CpuInfoEntry> entries;
  ForEachLine(text, [&](std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return;
    const std::string_view key = text::Trim(line.substr(0, colon), text::kLineBlanks);
    const std::string_view value = text::Trim(line.substr(colon + 1), text::kLineBlanks);
    if (key == "processor") {
      if (const std::optional<std::uint32_t> number = ParseNumber32(value)) {
        entries.emplace_back().processor = *number;
      }
      return;
    }
    if (entries.empty()) return;
    CpuInfoEntry& entry = entries.back();
    if (key == "vendor_id") {
      entry.vendorId = value;
    } else if (key == "model name") {
      entry.modelName = value;
    } else if (key == "cpu MHz") {
      entry.mhz = ParsePositive(value);
    } else if (key == "physical id") {
      entry.physicalId = ParseNumber32(value);
    } else if (key == "core id") {
      entry.coreId = ParseNumber32(value);
    } else if (key == "cpu family") {
      entry.family = ParseNumber32(value);
    } else if (key == "model") {
      entry.model = ParseNumber32(value);
    } else if (key == "stepping") {
      entry.stepping = ParseNumber32(value);
    } else if (key == "CPU implementer") {
      entry.implementer = ParseNumber32(value);
    } else if (key == "CPU part") {
      entry.part = ParseNumber32(value);
    } else if (key == "flags" || key == "Features") {
      entry.flags = value;
    }
  });
  return entries;
}

bool HasFlag(std::string_view flags, std::string_view flag) {
  for (std::string_view field = NextField(flags); !field.empty(); field = NextField(flags)) {
    if (field == flag) return true;
  }
  return false;
}

MemInfo ParseMemInfo(std::string_view text) {
  MemInfo info;
  ForEachLine(text, [&](std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return;
    const std::string_view key = line.substr(0, colon);
    std::string_view rest = line.substr(colon + 1);
    const std::optional<std::uint64_t> number = ParseNumber(NextField(rest));
    // Every figure the classes read is given in kilobytes; a line in another
    // unit is not the figure they expect.
    if (!number || NextField(rest) != "kB" || !NextField(rest).empty()) return;
    if (key == "MemTotal") {
      info.totalKb = number;
    } else if (key == "MemFree") {
      info.freeKb = number;
    } else if (key == "MemAvailable") {
      info.availableKb = number;
    } else if (key == "Buffers") {
      info.buffersKb = number;
    } else if (key == "Cached") {
      info.cachedKb = number;
    } else if (key == "SwapTotal") {
      info.swapTotalKb = number;
    } else if (key == "SwapFree") {
      info.swapFreeKb = number;
    }
  });
  return info;
}

std::map<std::string, std::string> ParseOsRelease(std::string_view text) {
  std::map<std::string, std::string> values;
  ForEachLine(text, [&](std::string_view line) {
    line = text::Trim(line, text::kLineBlanks);
    if (line.empty() || line.front() == '#') return;
    const std::size_t equals = line.find('=');
    if (equals == 0 || equals == std::string_view::npos) return;
    const std::string_view name = line.substr(0, equals);
    for (char c : name) {
      if (!IsNameCharacter(c)) return;
    }
    values[std::string(name)] = Unquote(text::Trim(line.substr(equals + 1), text::kLineBlanks));
  });
  return values;
}

std::vector<MountEntry> ParseMounts(std::string_view text) {
  std::vector<MountEntry> mounts;
  ForEachLine(text, [&](std::string_view line) {
    const std::string_view device = NextField(line);
    const std::string_view mountPoint = NextField(line);
    const std::string_view type = NextField(line);
    if (type.empty()) return;
    mounts.push_back({DecodeMountField(device), DecodeMountField(mountPoint), DecodeMountField(type)});
  });
  return mounts;
}

std::optional<std::int64_t> ParseBootTime(std::string_view procStat) {
  std::optional<std::int64_t> bootTime;
  ForEachLine(procStat, [&](std::string_view line) {
    if (NextField(line) != "btime") return;
    const std::optional<std::uint64_t> seconds = ParseNumber(NextField(line));
    if (seconds && *seconds <= static_cast<std::uint64_t>(INT64_MAX) && NextField(line).empty()) {
      bootTime = static_cast<std::int64_t>(*seconds);
    }
  });
  return bootTime;
}

std::optional<std::uint64_t> ParseCacheSizeKb(std::string_view text) {
  text = text::Trim(text, text::kLineBlanks);
  std::uint64_t scale = 0;
  if (!text.empty()) {
    switch (text.back()) {
      case 'K':
        scale = 1;
        break;
      case 'M':
        scale = 1024;
        break;
      case 'G':
        scale = 1024 * 1024;
        break;
      default:
        break;
    }
  }
  if (scale == 0) return std::nullopt;
  text.remove_suffix(1);
  const std::optional<std::uint64_t> number = ParseNumber(text);
  if (!number || *number > UINT64_MAX / scale) return std::nullopt;
  return *number * scale;
}

std::optional<std::uint64_t> LargestPrefetchableRegion(std::string_view resource) {
  constexpr std::uint64_t kMemory = 0x200;
  constexpr std::uint64_t kPrefetchable = 0x2000;
  std::optional<std::uint64_t> largest;
  int registerIndex = 0;
  ForEachLine(resource, [&](std::string_view line) {
    // The seventh line is the expansion ROM, not memory of the device.
    if (registerIndex++ >= 6) return;
    const std::optional<std::uint64_t> start = ParseNumber(NextField(line));
    const std::optional<std::uint64_t> end = ParseNumber(NextField(line));
    const std::optional<std::uint64_t> flags = ParseNumber(NextField(line));
    if (!start || !end || !flags || *end <= *start) return;
    if ((*flags & kMemory) == 0 || (*flags & kPrefetchable) == 0) return;
    const std::uint64_t size = *end - *start + 1;
    if (size != 0 && (!largest || size > *largest)) largest = size;
  });
  return largest;
}

std::optional<DisplayMode> ParseFirstMode(std::string_view modes) {
  std::string_view line = text::Trim(modes.substr(0, modes.find('\n')), text::kLineBlanks);
  const std::size_t x = line.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  std::string_view heightText = line.substr(x + 1);
  // An interlaced mode is written "1920x1080i".
  if (!heightText.empty() && heightText.back() == 'i') heightText.remove_suffix(1);
  const std::optional<std::uint64_t> width = ParseNumber(line.substr(0, x));
  const std::optional<std::uint64_t> height = ParseNumber(heightText);
  if (!width || !height || *width == 0 || *height == 0 || *width > UINT32_MAX || *height > UINT32_MAX) {
    return std::nullopt;
  }
  return DisplayMode{static_cast<std::uint32_t>(*width), static_cast<std::uint32_t>(*height)};
}

std::optional<std::string> ParseNvidiaDriverDate(std::string_view version) {
  static constexpr std::string_view kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::optional<std::string> date;
  ForEachLine(version, [&](std::string_view line) {
    if (line.substr(0, 5) != "NVRM ") return;
    // The line ends in the build time: weekday, month, day, time, zone, year.
    std::vector<std::string_view> fields;
    for (std::string_view field = NextField(line); !field.empty(); field = NextField(line)) fields.push_back(field);
    if (fields.size() < 6) return;
    const std::string_view* last = fields.data() + fields.size() - 6;
    int month = 0;
    for (int i = 0; i < 12; ++i) {
      if (last[1] == kMonths[i]) month = i + 1;
    }
    const std::optional<std::uint64_t> day = ParseNumber(last[2]);
    const std::optional<std::uint64_t> year = ParseNumber(last[5]);
    if (month == 0 || !day || !year || *day > 31 || *year > 9999) return;
    date = FormatCimDate(static_cast<int>(*year), month, static_cast<int>(*day), "-000");
  });
  return date;
}

std::string DecodeUdevLabel(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && HexDigit(name[i + 2]) >= 0 &&
        HexDigit(name[i + 3]) >= 0) {
      out += static_cast<char>(HexDigit(name[i + 2]) * 16 + HexDigit(name[i + 3]));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::optional<std::string> ParseVpdSerial(std::string_view page) {
  if (page.size() < 4 || static_cast<std::uint8_t>(page[1]) != 0x80) return std::nullopt;
  const std::size_t length =
      static_cast<std::size_t>(static_cast<std::uint8_t>(page[2])) << 8 | static_cast<std::uint8_t>(page[3]);
  std::string_view serial = page.substr(4, length);
  // Some devices pad the number with NULs instead of spaces.
  serial = serial.substr(0, serial.find('\0'));
  serial = text::Trim(serial, text::kLineBlanks);
  if (serial.empty()) return std::nullopt;
  return std::string(serial);
}

}  // namespace platform::linux_backend::wmi

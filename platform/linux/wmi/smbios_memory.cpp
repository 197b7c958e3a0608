#include "platform/linux/wmi/smbios_memory.h"

#include <vector>

namespace platform::linux_backend::wmi {

namespace {

// The oldest memory device structure (SMBIOS 2.1) ends before the speed.
constexpr std::size_t kMinimumLength = 0x15;

class Structure {
 public:
  explicit Structure(std::string_view raw) : raw_(raw), length_(static_cast<std::uint8_t>(raw[1])) {
    // The strings follow the formatted part, each ended by a NUL, the set
    // ended by one more; a set cut short keeps the strings that are whole.
    std::string_view rest = raw.substr(length_);
    while (!rest.empty()) {
      const std::size_t end = rest.find('\0');
      if (end == 0 || end == std::string_view::npos) break;
      strings_.push_back(rest.substr(0, end));
      rest.remove_prefix(end + 1);
    }
  }

  bool Has(std::size_t offset, std::size_t size) const { return offset + size <= length_; }
  std::optional<std::uint8_t> Byte(std::size_t offset) const {
    if (!Has(offset, 1)) return std::nullopt;
    return static_cast<std::uint8_t>(raw_[offset]);
  }
  std::optional<std::uint16_t> Word(std::size_t offset) const {
    if (!Has(offset, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(Unsigned(offset) | Unsigned(offset + 1) << 8);
  }
  std::optional<std::uint32_t> DoubleWord(std::size_t offset) const {
    if (!Has(offset, 4)) return std::nullopt;
    return Unsigned(offset) | Unsigned(offset + 1) << 8 | Unsigned(offset + 2) << 16 | Unsigned(offset + 3) << 24;
  }
  std::optional<std::string> String(std::size_t offset) const {
    const std::optional<std::uint8_t> index = Byte(offset);
    if (!index || *index == 0 || *index > strings_.size()) return std::nullopt;
    return std::string(strings_[*index - 1]);
  }

 private:
  std::uint32_t Unsigned(std::size_t offset) const { return static_cast<std::uint8_t>(raw_[offset]); }

  std::string_view raw_;
  std::size_t length_;
  std::vector<std::string_view> strings_;
};

// A speed word: 0 is unknown, 0xFFFF points to the double word that newer
// tables hold for speeds beyond it.
std::optional<std::uint32_t> Speed(const Structure& s, std::size_t offset, std::size_t extendedOffset) {
  const std::optional<std::uint16_t> speed = s.Word(offset);
  if (!speed || *speed == 0) return std::nullopt;
  if (*speed != 0xFFFF) return *speed;
  const std::optional<std::uint32_t> extended = s.DoubleWord(extendedOffset);
  if (!extended || *extended == 0) return std::nullopt;
  return *extended;
}

std::optional<std::uint16_t> Width(const Structure& s, std::size_t offset) {
  const std::optional<std::uint16_t> width = s.Word(offset);
  if (!width || *width == 0xFFFF) return std::nullopt;
  return width;
}

// SMBIOS numbers form factors one way and WMI another; the firmware's
// "other" and "unknown" and the forms WMI has no number for give nothing.
std::optional<std::uint16_t> WmiFormFactor(std::optional<std::uint8_t> smbios) {
  if (!smbios) return std::nullopt;
  switch (*smbios) {
    case 0x03:
      return 7;  // SIMM
    case 0x04:
      return 2;  // SIP
    case 0x06:
      return 3;  // DIP
    case 0x07:
      return 4;  // ZIP
    case 0x08:
      return 6;  // proprietary card
    case 0x09:
      return 8;  // DIMM
    case 0x0A:
      return 9;  // TSOP
    case 0x0C:
      return 11;  // RIMM
    case 0x0D:
      return 12;  // SODIMM
    case 0x0E:
      return 13;  // SRIMM
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<MemoryDevice> ParseMemoryDevice(std::string_view raw) {
  if (raw.size() < 2 || static_cast<std::uint8_t>(raw[0]) != 17) return std::nullopt;
  const std::size_t length = static_cast<std::uint8_t>(raw[1]);
  if (length < kMinimumLength || length > raw.size()) return std::nullopt;
  const Structure s(raw);

  MemoryDevice device;
  const std::uint16_t size = *s.Word(0x0C);
  device.installed = size != 0;
  if (size == 0x7FFF) {
    // Sizes of 32 GB and more are in megabytes in the extended size field.
    if (const std::optional<std::uint32_t> extended = s.DoubleWord(0x1C)) {
      device.capacityBytes = std::uint64_t{*extended & 0x7FFFFFFFu} << 20;
    }
  } else if (size != 0xFFFF && size != 0) {
    // The top bit chooses kilobytes over megabytes.
    device.capacityBytes = (size & 0x8000) != 0 ? std::uint64_t{size & 0x7FFFu} << 10 : std::uint64_t{size} << 20;
  }
  device.totalWidth = Width(s, 0x08);
  device.dataWidth = Width(s, 0x0A);
  device.formFactor = WmiFormFactor(s.Byte(0x0E));
  device.deviceLocator = s.String(0x10);
  device.bankLocator = s.String(0x11);
  device.memoryType = s.Byte(0x12);
  device.speed = Speed(s, 0x15, 0x54);
  device.manufacturer = s.String(0x17);
  device.serialNumber = s.String(0x18);
  device.partNumber = s.String(0x1A);
  device.configuredSpeed = Speed(s, 0x20, 0x58);
  return device;
}

}  // namespace platform::linux_backend::wmi

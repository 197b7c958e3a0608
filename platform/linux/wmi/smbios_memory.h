// The memory device structure of SMBIOS (type 17) as the firmware tables
// hold it, one per memory slot, read from /sys/firmware/dmi/entries/17-*/raw.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::linux_backend::wmi {

struct MemoryDevice {
  bool installed = false;                      // false for an empty slot
  std::optional<std::uint64_t> capacityBytes;  // nullopt when the firmware does not know it
  std::optional<std::uint32_t> speed;          // MT/s
  std::optional<std::uint32_t> configuredSpeed;
  std::optional<std::uint16_t> totalWidth;
  std::optional<std::uint16_t> dataWidth;
  std::optional<std::uint16_t> formFactor;  // in the numbering WMI uses, not SMBIOS's
  std::optional<std::uint8_t> memoryType;   // SMBIOS's numbering, as WMI gives it
  std::optional<std::string> deviceLocator;
  std::optional<std::string> bankLocator;
  std::optional<std::string> manufacturer;
  std::optional<std::string> serialNumber;
  std::optional<std::string> partNumber;
};

// nullopt when the bytes are not a whole type 17 structure: too short for
// its header, another type, or a formatted part longer than the bytes.
std::optional<MemoryDevice> ParseMemoryDevice(std::string_view raw);

}  // namespace platform::linux_backend::wmi

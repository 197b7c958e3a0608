// Pure parsers of the texts the Linux WMI classes read from /proc, /sys and
// /etc: they never fail, keeping what makes sense and dropping the rest.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::linux_backend::wmi {

// A whole decimal number, or a hexadecimal one after "0x"; nullopt for
// anything else, an overflow included.
std::optional<std::uint64_t> ParseNumber(std::string_view text);

// One "processor" block of /proc/cpuinfo. Fields that the block does not
// hold stay empty: x86 blocks have the vendor and the family, ARM blocks the
// implementer and the part.
struct CpuInfoEntry {
  std::uint32_t processor = 0;
  std::string vendorId;   // "vendor_id", e.g. "GenuineIntel"
  std::string modelName;  // "model name", blanks around it removed
  std::optional<double> mhz;
  std::optional<std::uint32_t> physicalId;
  std::optional<std::uint32_t> coreId;
  std::optional<std::uint32_t> family;  // "cpu family"
  std::optional<std::uint32_t> model;
  std::optional<std::uint32_t> stepping;
  std::optional<std::uint32_t> implementer;  // "CPU implementer", e.g. 0x41
  std::optional<std::uint32_t> part;         // "CPU part", e.g. 0xd0c
  std::string flags;                         // "flags" (x86) or "Features" (ARM)
};

// The logical processors in the order the file lists them. A line before the
// first "processor" line belongs to no processor and is dropped.
std::vector<CpuInfoEntry> ParseCpuInfo(std::string_view text);

// Whether the space-separated flag list holds the flag.
bool HasFlag(std::string_view flags, std::string_view flag);

// The /proc/meminfo figures the classes use, in kilobytes as the file gives
// them.
struct MemInfo {
  std::optional<std::uint64_t> totalKb;
  std::optional<std::uint64_t> freeKb;
  std::optional<std::uint64_t> availableKb;
  std::optional<std::uint64_t> buffersKb;
  std::optional<std::uint64_t> cachedKb;
  std::optional<std::uint64_t> swapTotalKb;
  std::optional<std::uint64_t> swapFreeKb;
};
MemInfo ParseMemInfo(std::string_view text);

// The assignments of an os-release file with the shell quoting removed;
// a name assigned twice keeps its last value.
std::map<std::string, std::string> ParseOsRelease(std::string_view text);

// One line of /proc/self/mounts with the octal escapes (\040 for a space)
// decoded.
struct MountEntry {
  std::string device;
  std::string mountPoint;
  std::string type;
  friend bool operator==(const MountEntry&, const MountEntry&) = default;
};
std::vector<MountEntry> ParseMounts(std::string_view text);

// The boot time of /proc/stat ("btime"), in seconds since 1970 UTC.
std::optional<std::int64_t> ParseBootTime(std::string_view procStat);

// A cache size of sysfs ("32K", "1M") in kilobytes.
std::optional<std::uint64_t> ParseCacheSizeKb(std::string_view text);

// The size of the largest prefetchable memory region among the six base
// address registers of a PCI device's "resource" file.
std::optional<std::uint64_t> LargestPrefetchableRegion(std::string_view resource);

// The first mode of a DRM connector's "modes" file ("1920x1080").
struct DisplayMode {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};
std::optional<DisplayMode> ParseFirstMode(std::string_view modes);

// The build date of the NVIDIA kernel module from /proc/driver/nvidia/version
// ("... Kernel Module  535.104.05  Sat Aug 19 01:15:15 UTC 2023") as a CIM
// datetime of that day.
std::optional<std::string> ParseNvidiaDriverDate(std::string_view version);

// A label of /dev/disk/by-label with udev's "\x20" escapes decoded.
std::string DecodeUdevLabel(std::string_view name);

// The unit serial number of a SCSI vital product data page 0x80 as sysfs
// gives it (device/vpd_pg80), blanks around it removed.
std::optional<std::string> ParseVpdSerial(std::string_view page);

}  // namespace platform::linux_backend::wmi

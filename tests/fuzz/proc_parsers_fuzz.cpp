// Fuzzes the pure parsers behind the Linux WMI classes: every parser reads
// the same bytes as the text of its file, and what each returns must keep
// the promises its header makes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "base/text.h"
#include "platform/linux/wmi/cim_datetime.h"
#include "platform/linux/wmi/disk_drive_class.h"
#include "platform/linux/wmi/machine_kind.h"
#include "platform/linux/wmi/operating_system_class.h"
#include "platform/linux/wmi/pci_ids.h"
#include "platform/linux/wmi/proc_parsers.h"
#include "platform/linux/wmi/smbios_memory.h"

namespace {

using namespace platform::linux_backend::wmi;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsTrimmed(std::string_view text) { return text::Trim(text, text::kLineBlanks) == text; }

bool IsCimDateTime(const std::optional<std::string>& text) {
  return !text || (text->size() == 25 && (*text)[14] == '.' && ((*text)[21] == '+' || (*text)[21] == '-'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  for (const CpuInfoEntry& entry : ParseCpuInfo(text)) {
    Require(IsTrimmed(entry.modelName) && IsTrimmed(entry.vendorId));
    Require(!entry.mhz || *entry.mhz > 0);
  }
  ParseMemInfo(text);
  const auto osRelease = ParseOsRelease(text);
  for (const auto& [name, value] : osRelease) Require(!name.empty() && name.find('=') == std::string::npos);
  const std::string caption = OsCaption(osRelease);
  const auto mounts = ParseMounts(text);
  for (const MountEntry& mount : mounts) Require(!mount.type.empty());
  Require(OsName(caption, mounts).rfind(caption + "|/|", 0) == 0);
  ParseBootTime(text);
  ParseCacheSizeKb(text);
  const std::optional<std::uint64_t> region = LargestPrefetchableRegion(text);
  Require(!region || *region > 0);
  const std::optional<DisplayMode> mode = ParseFirstMode(text);
  Require(!mode || (mode->width > 0 && mode->height > 0));
  Require(IsCimDateTime(ParseNvidiaDriverDate(text)));
  Require(DecodeUdevLabel(text).size() <= text.size());
  ParseVpdSerial(text);
  Require(IsCimDateTime(ParseDmiDate(text)));
  KernelBuildNumber(std::string(text));
  DescribeMachine(text);
  DiskInterfaceType(text);

  if (size >= 4) {
    const auto vendor = static_cast<std::uint16_t>(data[0] | data[1] << 8);
    const auto device = static_cast<std::uint16_t>(data[2] | data[3] << 8);
    const PciNames names = LookUpPciIds(text, vendor, device);
    Require(!names.device || names.vendor);
  }
  if (const std::optional<MemoryDevice> memory = ParseMemoryDevice(text)) {
    Require(!memory->capacityBytes || memory->installed);
  }
  if (size >= 10) {
    std::int64_t moment = 0;
    std::int16_t offset = 0;
    std::memcpy(&moment, data, sizeof moment);
    std::memcpy(&offset, data + sizeof moment, sizeof offset);
    Require(IsCimDateTime(FormatCimDateTime(moment, offset)));
  }
  return 0;
}

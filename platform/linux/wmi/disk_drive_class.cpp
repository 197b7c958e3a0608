#include "platform/linux/wmi/disk_drive_class.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/proc_parsers.h"
#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

namespace {

// The SCSI peripheral type of an optical drive.
constexpr std::uint64_t kScsiTypeOptical = 5;

bool IsNumberedName(std::string_view component, std::string_view prefix) {
  if (component.size() <= prefix.size() || component.substr(0, prefix.size()) != prefix) return false;
  return component.find_first_not_of("0123456789", prefix.size()) == std::string_view::npos;
}

bool IsDisk(const fs::path& dir, const std::string& name) {
  std::error_code error;
  if (!fs::exists(dir / "device", error)) return false;
  if (name.rfind("sr", 0) == 0 || ReadNumber(dir / "device" / "type") == kScsiTypeOptical) return false;
  if (name.rfind("mmcblk", 0) == 0 &&
      (name.find("boot") != std::string::npos || name.find("rpmb") != std::string::npos)) {
    return false;
  }
  return ReadValue(dir / "hidden") != "1";
}

std::uint32_t CountPartitions(const fs::path& dir) {
  std::uint32_t count = 0;
  std::error_code error;
  for (const std::string& name : ListNames(dir)) {
    if (fs::exists(dir / name / "partition", error)) ++count;
  }
  return count;
}

std::optional<std::string> SerialNumber(const fs::path& dir) {
  if (std::optional<std::string> serial = ReadValue(dir / "serial")) return serial;
  if (std::optional<std::string> serial = ReadValue(dir / "device" / "serial")) return serial;
  const std::optional<std::string> page = ReadFileText(dir / "device" / "vpd_pg80", 1u << 16);
  return page ? ParseVpdSerial(*page) : std::nullopt;
}

std::optional<std::string> FirmwareRevision(const fs::path& dir) {
  if (std::optional<std::string> revision = ReadValue(dir / "device" / "firmware_rev")) return revision;
  return ReadValue(dir / "device" / "rev");
}

}  // namespace

std::wstring DiskInterfaceType(std::string_view sysfsPath) {
  while (!sysfsPath.empty()) {
    const std::size_t slash = sysfsPath.find('/');
    const std::string_view component = sysfsPath.substr(0, slash);
    if (IsNumberedName(component, "usb")) return L"USB";
    if (IsNumberedName(component, "ata")) return L"IDE";
    if (IsNumberedName(component, "fw") || component == "firewire") return L"1394";
    if (slash == std::string_view::npos) break;
    sysfsPath.remove_prefix(slash + 1);
  }
  return L"SCSI";
}

bool DiskNameLess(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

DiskDriveClass::DiskDriveClass(fs::path root) : root_(std::move(root)) {}

std::vector<PropertySpec> DiskDriveClass::Properties() const {
  return {{L"DeviceID", CimType::String},       {L"Name", CimType::String},
          {L"Index", CimType::UInt32},          {L"Model", CimType::String},
          {L"Caption", CimType::String},        {L"Size", CimType::UInt64},
          {L"BytesPerSector", CimType::UInt32}, {L"InterfaceType", CimType::String},
          {L"MediaType", CimType::String},      {L"Partitions", CimType::UInt32},
          {L"SerialNumber", CimType::String},   {L"FirmwareRevision", CimType::String}};
}

std::vector<Instance> DiskDriveClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  const fs::path block = UnderRoot(root_, "/sys/block");
  std::vector<std::string> names = ListNames(block);
  std::sort(names.begin(), names.end(), DiskNameLess);
  std::vector<Instance> instances;
  for (const std::string& name : names) {
    const fs::path dir = block / name;
    // sysfs counts every block device's size in 512-byte sectors, whatever
    // the device's own sector size.
    const std::optional<std::uint64_t> sectors = ReadNumber(dir / "size");
    if (!sectors || *sectors == 0 || *sectors > UINT64_MAX / 512 || !IsDisk(dir, name)) continue;
    const std::wstring interfaceType = DiskInterfaceType(LinkTarget(dir).value_or(""));
    const bool removable = ReadValue(dir / "removable") == "1";
    const wchar_t* mediaType = removable                 ? L"Removable Media"
                               : interfaceType == L"USB" ? L"External hard disk media"
                                                         : L"Fixed hard disk media";
    const std::string deviceId = "\\\\.\\PHYSICALDRIVE" + std::to_string(instances.size());
    const std::optional<std::string> model = ReadValue(dir / "device" / "model");
    InstanceBuilder instance(properties);
    instance.Text(L"DeviceID", deviceId)
        .Text(L"Name", deviceId)
        .Number(L"Index", instances.size())
        .Text(L"Model", model)
        .Text(L"Caption", model)
        .Number(L"Size", *sectors * 512)
        .Number(L"BytesPerSector", ReadNumber(dir / "queue" / "logical_block_size"))
        .Wide(L"InterfaceType", interfaceType)
        .Wide(L"MediaType", std::wstring(mediaType))
        .Number(L"Partitions", CountPartitions(dir))
        .Text(L"SerialNumber", SerialNumber(dir))
        .Text(L"FirmwareRevision", FirmwareRevision(dir));
    instances.push_back(instance.Take());
  }
  return instances;
}

}  // namespace platform::linux_backend::wmi

#include "platform/linux/wmi/logical_disk_class.h"

#include <utility>

#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/mounted_volumes.h"

namespace platform::linux_backend::wmi {

namespace {

// The descriptions Windows gives its drive types.
const wchar_t* Description(DriveType type) {
  switch (type) {
    case DriveType::Removable:
      return L"Removable Disk";
    case DriveType::Network:
      return L"Network Connection";
    case DriveType::Optical:
      return L"CD-ROM Disc";
    case DriveType::Local:
      break;
  }
  return L"Local Fixed Disk";
}

}  // namespace

LogicalDiskClass::LogicalDiskClass(std::filesystem::path root, std::shared_ptr<const SystemCalls> calls)
    : root_(std::move(root)), calls_(std::move(calls)) {}

std::vector<PropertySpec> LogicalDiskClass::Properties() const {
  return {{L"DeviceID", CimType::String},    {L"Name", CimType::String},       {L"Caption", CimType::String},
          {L"Description", CimType::String}, {L"FileSystem", CimType::String}, {L"Size", CimType::UInt64},
          {L"FreeSpace", CimType::UInt64},   {L"DriveType", CimType::UInt32},  {L"VolumeName", CimType::String},
          {L"ProviderName", CimType::String}};
}

std::vector<Instance> LogicalDiskClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  std::vector<Instance> instances;
  for (const MountedVolume& volume : ReadMountedVolumes(root_, *calls_)) {
    const bool network = volume.driveType == DriveType::Network;
    InstanceBuilder instance(properties);
    instance.Text(L"DeviceID", volume.mountPoint)
        .Text(L"Name", volume.mountPoint)
        .Text(L"Caption", volume.mountPoint)
        .Wide(L"Description", std::wstring(Description(volume.driveType)))
        .Text(L"FileSystem", volume.fileSystem)
        .Number(L"Size", volume.space ? std::optional<std::uint64_t>(volume.space->sizeBytes) : std::nullopt)
        .Number(L"FreeSpace", volume.space ? std::optional<std::uint64_t>(volume.space->availableBytes) : std::nullopt)
        .Number(L"DriveType", static_cast<std::uint32_t>(volume.driveType))
        .Text(L"VolumeName", volume.label)
        .Text(L"ProviderName", network ? std::optional<std::string>(volume.device) : std::nullopt);
    instances.push_back(instance.Take());
  }
  return instances;
}

}  // namespace platform::linux_backend::wmi

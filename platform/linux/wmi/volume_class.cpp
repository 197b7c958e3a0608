#include "platform/linux/wmi/volume_class.h"

#include <utility>

#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/mounted_volumes.h"

namespace platform::linux_backend::wmi {

VolumeClass::VolumeClass(std::filesystem::path root, std::shared_ptr<const SystemCalls> calls)
    : root_(std::move(root)), calls_(std::move(calls)) {}

std::vector<PropertySpec> VolumeClass::Properties() const {
  return {{L"Name", CimType::String},        {L"Caption", CimType::String},   {L"DeviceID", CimType::String},
          {L"DriveLetter", CimType::String}, {L"Label", CimType::String},     {L"FileSystem", CimType::String},
          {L"Capacity", CimType::UInt64},    {L"FreeSpace", CimType::UInt64}, {L"DriveType", CimType::UInt32}};
}

std::vector<Instance> VolumeClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  std::vector<Instance> instances;
  for (const MountedVolume& volume : ReadMountedVolumes(root_, *calls_)) {
    if (volume.driveType == DriveType::Network) continue;
    InstanceBuilder instance(properties);
    // DriveLetter stays NULL: Windows leaves it so for a volume without a
    // letter, and no Linux volume has one.
    instance.Text(L"Name", volume.mountPoint)
        .Text(L"Caption", volume.mountPoint)
        .Text(L"DeviceID", volume.device)
        .Text(L"Label", volume.label)
        .Text(L"FileSystem", volume.fileSystem)
        .Number(L"Capacity", volume.space ? std::optional<std::uint64_t>(volume.space->sizeBytes) : std::nullopt)
        .Number(L"FreeSpace", volume.space ? std::optional<std::uint64_t>(volume.space->availableBytes) : std::nullopt)
        .Number(L"DriveType", static_cast<std::uint32_t>(volume.driveType));
    instances.push_back(instance.Take());
  }
  return instances;
}

}  // namespace platform::linux_backend::wmi

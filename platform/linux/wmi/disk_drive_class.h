// Win32_DiskDrive on Linux: the whole disks of /sys/block that stand for
// hardware, numbered like Windows's physical drives.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

// The InterfaceType Windows would give a disk, from the sysfs path of the
// block device (the target of /sys/block/<name>): "USB" below a USB port,
// "IDE" below an ATA port (Windows says IDE for SATA disks too), "1394"
// below a FireWire port, and "SCSI" for everything else: SCSI and SAS, and
// NVMe and virtio disks, which Windows also lists as SCSI.
std::wstring DiskInterfaceType(std::string_view sysfsPath);

// Orders disk names as the kernel hands them out: shorter names first, so
// that "sdz" comes before "sdaa" and "nvme2n1" before "nvme10n1".
bool DiskNameLess(const std::string& a, const std::string& b);

class DiskDriveClass final : public WmiClass {
 public:
  explicit DiskDriveClass(std::filesystem::path root);
  std::wstring Name() const override { return L"Win32_DiskDrive"; }
  std::vector<PropertySpec> Properties() const override;
  // Block devices without a "device" link (loop, zram, ram, device-mapper
  // and software RAID) are no hardware and are left out, as are optical
  // drives (Windows lists them as CD-ROM drives), the boot and RPMB areas
  // of eMMC chips, hidden devices and devices of size 0 (empty readers).
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
};

}  // namespace platform::linux_backend::wmi

#include "platform/linux/wmi/linux_classes.h"

#include "platform/linux/wmi/base_board_class.h"
#include "platform/linux/wmi/bios_class.h"
#include "platform/linux/wmi/computer_system_class.h"
#include "platform/linux/wmi/disk_drive_class.h"
#include "platform/linux/wmi/logical_disk_class.h"
#include "platform/linux/wmi/operating_system_class.h"
#include "platform/linux/wmi/physical_memory_class.h"
#include "platform/linux/wmi/processor_class.h"
#include "platform/linux/wmi/video_controller_class.h"
#include "platform/linux/wmi/volume_class.h"

namespace platform::linux_backend::wmi {

std::vector<std::unique_ptr<WmiClass>> MakeLinuxClasses(const std::filesystem::path& root) {
  return MakeLinuxClasses(root, std::make_shared<LinuxSystemCalls>());
}

std::vector<std::unique_ptr<WmiClass>> MakeLinuxClasses(const std::filesystem::path& root,
                                                        std::shared_ptr<const SystemCalls> calls) {
  std::vector<std::unique_ptr<WmiClass>> classes;
  classes.push_back(std::make_unique<ComputerSystemClass>(root, calls));
  classes.push_back(std::make_unique<ProcessorClass>(root, calls));
  classes.push_back(std::make_unique<OperatingSystemClass>(root, calls));
  classes.push_back(std::make_unique<PhysicalMemoryClass>(root));
  classes.push_back(std::make_unique<VideoControllerClass>(root));
  classes.push_back(std::make_unique<DiskDriveClass>(root));
  classes.push_back(std::make_unique<LogicalDiskClass>(root, calls));
  classes.push_back(std::make_unique<VolumeClass>(root, calls));
  classes.push_back(std::make_unique<BiosClass>(root));
  classes.push_back(std::make_unique<BaseBoardClass>(root));
  return classes;
}

}  // namespace platform::linux_backend::wmi

// Win32_BIOS on Linux: the firmware's maker, version and date from
// /sys/class/dmi/id; a machine without firmware tables has no instance.
#pragma once

#include <filesystem>

#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class BiosClass final : public WmiClass {
 public:
  explicit BiosClass(std::filesystem::path root);
  std::wstring Name() const override { return L"Win32_BIOS"; }
  std::vector<PropertySpec> Properties() const override;
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
};

}  // namespace platform::linux_backend::wmi

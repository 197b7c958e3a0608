// Win32_PhysicalMemory on Linux: one instance per filled memory slot, from
// the SMBIOS entries of /sys/firmware/dmi/entries (readable by root only).
#pragma once

#include <filesystem>

#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class PhysicalMemoryClass final : public WmiClass {
 public:
  explicit PhysicalMemoryClass(std::filesystem::path root);
  std::wstring Name() const override { return L"Win32_PhysicalMemory"; }
  std::vector<PropertySpec> Properties() const override;
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
};

}  // namespace platform::linux_backend::wmi

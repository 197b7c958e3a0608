// Win32_VideoController on Linux: one instance per PCI display device, named
// from the PCI id list, with its driver module and its display's DRM mode.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

struct PciIdentity {
  std::uint16_t vendor = 0;
  std::uint16_t device = 0;
  std::uint16_t subsystemVendor = 0;
  std::uint16_t subsystemDevice = 0;
  std::uint8_t revision = 0;
};

// "PCI\VEN_10DE&DEV_2504&SUBSYS_397D1462&REV_A1\0000:01:00.0": the hardware
// id that Windows forms, and after it the PCI address in place of Windows's
// instance path so that two equal cards have two ids.
std::string FormatPnpDeviceId(const PciIdentity& id, const std::string& address);

class VideoControllerClass final : public WmiClass {
 public:
  explicit VideoControllerClass(std::filesystem::path root);
  std::wstring Name() const override { return L"Win32_VideoController"; }
  std::vector<PropertySpec> Properties() const override;
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
};

}  // namespace platform::linux_backend::wmi

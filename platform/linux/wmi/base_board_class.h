// Win32_BaseBoard on Linux: the main board's maker, product, version and
// serial number from /sys/class/dmi/id; no instance without them.
#pragma once

#include <filesystem>

#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class BaseBoardClass final : public WmiClass {
 public:
  explicit BaseBoardClass(std::filesystem::path root);
  std::wstring Name() const override { return L"Win32_BaseBoard"; }
  std::vector<PropertySpec> Properties() const override;
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
};

}  // namespace platform::linux_backend::wmi

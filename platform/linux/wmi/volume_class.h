// Win32_Volume on Linux: the mounted file systems of disks and optical media
// with their devices; as on Windows, network shares are no volumes.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/linux/wmi/system_calls.h"
#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class VolumeClass final : public WmiClass {
 public:
  VolumeClass(std::filesystem::path root, std::shared_ptr<const SystemCalls> calls);
  std::wstring Name() const override { return L"Win32_Volume"; }
  std::vector<PropertySpec> Properties() const override;
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
  std::shared_ptr<const SystemCalls> calls_;
};

}  // namespace platform::linux_backend::wmi

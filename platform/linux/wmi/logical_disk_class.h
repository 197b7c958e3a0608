// Win32_LogicalDisk on Linux: one instance per mounted file system of a disk,
// optical medium or network share, named by its mount point, not a letter.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/linux/wmi/system_calls.h"
#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class LogicalDiskClass final : public WmiClass {
 public:
  LogicalDiskClass(std::filesystem::path root, std::shared_ptr<const SystemCalls> calls);
  std::wstring Name() const override { return L"Win32_LogicalDisk"; }
  std::vector<PropertySpec> Properties() const override;
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
  std::shared_ptr<const SystemCalls> calls_;
};

}  // namespace platform::linux_backend::wmi

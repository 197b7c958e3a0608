// Win32_ComputerSystem on Linux: the host name, the maker and model from
// the firmware tables, the processor counts and the physical memory.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/linux/wmi/system_calls.h"
#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class ComputerSystemClass final : public WmiClass {
 public:
  ComputerSystemClass(std::filesystem::path root, std::shared_ptr<const SystemCalls> calls);
  std::wstring Name() const override { return L"Win32_ComputerSystem"; }
  std::vector<PropertySpec> Properties() const override;
  // Always one instance, as on Windows.
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
  std::shared_ptr<const SystemCalls> calls_;
};

}  // namespace platform::linux_backend::wmi

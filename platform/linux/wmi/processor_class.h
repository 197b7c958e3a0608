// Win32_Processor on Linux: one instance per processor package (socket),
// from /proc/cpuinfo and the cpufreq, cache and topology files of sysfs.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/linux/wmi/system_calls.h"
#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class ProcessorClass final : public WmiClass {
 public:
  ProcessorClass(std::filesystem::path root, std::shared_ptr<const SystemCalls> calls);
  std::wstring Name() const override { return L"Win32_Processor"; }
  std::vector<PropertySpec> Properties() const override;
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
  std::shared_ptr<const SystemCalls> calls_;
};

}  // namespace platform::linux_backend::wmi

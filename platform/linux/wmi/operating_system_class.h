// Win32_OperatingSystem on Linux: os-release, uname, memory in kilobytes
// from /proc/meminfo, the boot time from /proc/stat, the processes of /proc.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/wmi/proc_parsers.h"
#include "platform/linux/wmi/system_calls.h"
#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

// The name of the distribution as Windows gives its own in Caption:
// PRETTY_NAME, else NAME and VERSION, else NAME, else the "Linux" that
// os-release prescribes when the file names nothing.
std::string OsCaption(const std::map<std::string, std::string>& osRelease);

// "Caption|system directory|root device", the form of Windows's
// "Microsoft Windows 10 Pro|C:\WINDOWS|\Device\Harddisk0\Partition2": the
// system directory is "/" and the device is the one mounted on "/" last
// (empty when no mount of "/" is listed).
std::string OsName(const std::string& caption, const std::vector<MountEntry>& mounts);

// The dotted numbers that lead a kernel release ("6.1.76" of
// "6.1.76-1-amd64"); nullopt when it does not start with a number.
std::optional<std::string> KernelBuildNumber(const std::string& release);

class OperatingSystemClass final : public WmiClass {
 public:
  OperatingSystemClass(std::filesystem::path root, std::shared_ptr<const SystemCalls> calls);
  std::wstring Name() const override { return L"Win32_OperatingSystem"; }
  std::vector<PropertySpec> Properties() const override;
  // Always one instance, as on Windows.
  std::vector<Instance> Instances() const override;

 private:
  std::filesystem::path root_;
  std::shared_ptr<const SystemCalls> calls_;
};

}  // namespace platform::linux_backend::wmi

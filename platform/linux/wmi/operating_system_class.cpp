#include "platform/linux/wmi/operating_system_class.h"

#include <utility>

#include "platform/linux/wmi/cim_datetime.h"
#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/machine_kind.h"
#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

namespace {

// CIM's number for Linux among the operating-system types (Windows is 18).
constexpr std::uint64_t kCimOsTypeLinux = 36;

std::optional<std::string> Field(const std::map<std::string, std::string>& values, const std::string& name) {
  const auto found = values.find(name);
  if (found == values.end() || found->second.empty()) return std::nullopt;
  return found->second;
}

std::optional<std::uint64_t> Sum(std::optional<std::uint64_t> a, std::optional<std::uint64_t> b) {
  if (!a || !b || *a > UINT64_MAX - *b) return std::nullopt;
  return *a + *b;
}

std::optional<std::uint64_t> CountProcesses(const fs::path& root) {
  std::uint64_t count = 0;
  bool listed = false;
  for (const std::string& name : ListNames(UnderRoot(root, "/proc"))) {
    listed = true;
    if (name.find_first_not_of("0123456789") == std::string::npos) ++count;
  }
  if (!listed) return std::nullopt;
  return count;
}

std::optional<std::string> LocalCimTime(const SystemCalls& calls, std::optional<std::int64_t> utcSeconds) {
  if (!utcSeconds) return std::nullopt;
  const std::optional<int> offset = calls.UtcOffsetMinutes(*utcSeconds);
  if (!offset) return std::nullopt;
  return FormatCimDateTime(*utcSeconds, *offset);
}

}  // namespace

std::string OsCaption(const std::map<std::string, std::string>& osRelease) {
  if (const std::optional<std::string> pretty = Field(osRelease, "PRETTY_NAME")) return *pretty;
  const std::optional<std::string> name = Field(osRelease, "NAME");
  const std::optional<std::string> version = Field(osRelease, "VERSION");
  if (name && version) return *name + " " + *version;
  return name.value_or("Linux");
}

std::string OsName(const std::string& caption, const std::vector<MountEntry>& mounts) {
  std::string device;
  for (const MountEntry& mount : mounts) {
    if (mount.mountPoint == "/") device = mount.device;
  }
  return caption + "|/|" + device;
}

std::optional<std::string> KernelBuildNumber(const std::string& release) {
  const std::size_t end = release.find_first_not_of("0123456789.");
  std::string numbers = release.substr(0, end);
  while (!numbers.empty() && numbers.back() == '.') numbers.pop_back();
  if (numbers.empty() || numbers.front() == '.') return std::nullopt;
  return numbers;
}

OperatingSystemClass::OperatingSystemClass(fs::path root, std::shared_ptr<const SystemCalls> calls)
    : root_(std::move(root)), calls_(std::move(calls)) {}

std::vector<PropertySpec> OperatingSystemClass::Properties() const {
  return {{L"Caption", CimType::String},
          {L"Name", CimType::String},
          {L"Version", CimType::String},
          {L"BuildNumber", CimType::String},
          {L"OSArchitecture", CimType::String},
          {L"OSType", CimType::UInt16},
          {L"Manufacturer", CimType::String},
          {L"CSName", CimType::String},
          {L"TotalVisibleMemorySize", CimType::UInt64},
          {L"FreePhysicalMemory", CimType::UInt64},
          {L"TotalVirtualMemorySize", CimType::UInt64},
          {L"FreeVirtualMemory", CimType::UInt64},
          {L"SizeStoredInPagingFiles", CimType::UInt64},
          {L"FreeSpaceInPagingFiles", CimType::UInt64},
          {L"LastBootUpTime", CimType::DateTime},
          {L"LocalDateTime", CimType::DateTime},
          {L"NumberOfProcesses", CimType::UInt32}};
}

std::vector<Instance> OperatingSystemClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  // os-release lives in /etc, or in /usr/lib where /etc has none.
  std::optional<std::string> osReleaseText = ReadFileText(UnderRoot(root_, "/etc/os-release"));
  if (!osReleaseText) osReleaseText = ReadFileText(UnderRoot(root_, "/usr/lib/os-release"));
  const std::map<std::string, std::string> osRelease = ParseOsRelease(osReleaseText.value_or(""));
  const std::optional<KernelNames> names = calls_->Uname();

  std::optional<std::string> caption;
  if (osReleaseText) {
    caption = OsCaption(osRelease);
  } else if (names && !names->sysname.empty()) {
    caption = names->sysname;
  }
  std::optional<std::string> name;
  if (caption) {
    const std::optional<std::string> mounts = ReadFileText(UnderRoot(root_, "/proc/self/mounts"));
    name = OsName(*caption, ParseMounts(mounts.value_or("")));
  }

  const MemInfo memory = ParseMemInfo(ReadFileText(UnderRoot(root_, "/proc/meminfo")).value_or(""));
  // MemAvailable is what programs can still get; kernels before 3.14 lack
  // it, and MemFree is the nearest they have.
  const std::optional<std::uint64_t> freeKb = memory.availableKb ? memory.availableKb : memory.freeKb;
  const std::optional<std::int64_t> bootTime = ParseBootTime(ReadFileText(UnderRoot(root_, "/proc/stat")).value_or(""));

  InstanceBuilder instance(properties);
  instance.Text(L"Caption", caption)
      .Text(L"Name", name)
      .Text(L"Version", names ? std::optional<std::string>(names->release) : std::nullopt)
      .Text(L"BuildNumber", names ? KernelBuildNumber(names->release) : std::nullopt)
      .Wide(L"OSArchitecture", DescribeMachine(names ? names->machine : std::string()).osArchitecture)
      .Number(L"OSType", kCimOsTypeLinux)
      .Text(L"Manufacturer", Field(osRelease, "VENDOR_NAME"))
      .Text(L"CSName", names && !names->nodename.empty() ? std::optional<std::string>(names->nodename) : std::nullopt)
      .Number(L"TotalVisibleMemorySize", memory.totalKb)
      .Number(L"FreePhysicalMemory", freeKb)
      .Number(L"TotalVirtualMemorySize", Sum(memory.totalKb, memory.swapTotalKb))
      .Number(L"FreeVirtualMemory", Sum(freeKb, memory.swapFreeKb))
      .Number(L"SizeStoredInPagingFiles", memory.swapTotalKb)
      .Number(L"FreeSpaceInPagingFiles", memory.swapFreeKb)
      .Text(L"LastBootUpTime", LocalCimTime(*calls_, bootTime))
      .Text(L"LocalDateTime", LocalCimTime(*calls_, calls_->Now()))
      .Number(L"NumberOfProcesses", CountProcesses(root_));
  return {instance.Take()};
}

}  // namespace platform::linux_backend::wmi

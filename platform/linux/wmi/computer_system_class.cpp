#include "platform/linux/wmi/computer_system_class.h"

#include <utility>

#include "platform/linux/wmi/cpu_packages.h"
#include "platform/linux/wmi/dmi_id.h"
#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/machine_kind.h"
#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

ComputerSystemClass::ComputerSystemClass(fs::path root, std::shared_ptr<const SystemCalls> calls)
    : root_(std::move(root)), calls_(std::move(calls)) {}

std::vector<PropertySpec> ComputerSystemClass::Properties() const {
  return {{L"Name", CimType::String},
          {L"DNSHostName", CimType::String},
          {L"Manufacturer", CimType::String},
          {L"Model", CimType::String},
          {L"SystemFamily", CimType::String},
          {L"SystemSKUNumber", CimType::String},
          {L"SystemType", CimType::String},
          {L"NumberOfProcessors", CimType::UInt32},
          {L"NumberOfLogicalProcessors", CimType::UInt32},
          {L"TotalPhysicalMemory", CimType::UInt64},
          {L"HypervisorPresent", CimType::Boolean}};
}

std::vector<Instance> ComputerSystemClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  const std::optional<KernelNames> names = calls_->Uname();
  const std::vector<CpuPackage> packages = ReadCpuPackages(root_);
  std::optional<std::uint64_t> logical;
  std::optional<bool> hypervisor;
  for (const CpuPackage& package : packages) {
    logical = logical.value_or(0) + package.logical.size();
    // Only x86 processors say whether they run under a hypervisor, by the
    // flag of CPUID that Linux lists; elsewhere it is not known.
    const CpuInfoEntry& cpu = package.logical.front();
    if (!cpu.vendorId.empty() && !cpu.flags.empty()) hypervisor = HasFlag(cpu.flags, "hypervisor");
  }
  std::optional<std::uint64_t> totalBytes;
  if (const std::optional<std::string> meminfo = ReadFileText(UnderRoot(root_, "/proc/meminfo"))) {
    const std::optional<std::uint64_t> totalKb = ParseMemInfo(*meminfo).totalKb;
    if (totalKb && *totalKb <= UINT64_MAX / 1024) totalBytes = *totalKb * 1024;
  }
  std::optional<std::string> host;
  std::optional<std::wstring> systemType;
  if (names) {
    if (!names->nodename.empty()) host = names->nodename;
    systemType = DescribeMachine(names->machine).systemType;
  }
  InstanceBuilder instance(properties);
  instance.Text(L"Name", host)
      .Text(L"DNSHostName", host)
      .Text(L"Manufacturer", ReadDmiField(root_, "sys_vendor"))
      .Text(L"Model", ReadDmiField(root_, "product_name"))
      .Text(L"SystemFamily", ReadDmiField(root_, "product_family"))
      .Text(L"SystemSKUNumber", ReadDmiField(root_, "product_sku"))
      .Wide(L"SystemType", systemType)
      .Number(L"NumberOfProcessors", packages.empty() ? std::nullopt : std::optional<std::uint64_t>(packages.size()))
      .Number(L"NumberOfLogicalProcessors", logical)
      .Number(L"TotalPhysicalMemory", totalBytes)
      .Flag(L"HypervisorPresent", hypervisor);
  return {instance.Take()};
}

}  // namespace platform::linux_backend::wmi

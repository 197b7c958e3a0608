#include "platform/linux/wmi/cpu_packages.h"

#include <map>
#include <set>
#include <string>

#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

fs::path CpuDirectory(const fs::path& root, std::uint32_t processor) {
  return UnderRoot(root, "/sys/devices/system/cpu") / ("cpu" + std::to_string(processor));
}

std::vector<CpuPackage> ReadCpuPackages(const fs::path& root) {
  const std::optional<std::string> text = ReadFileText(UnderRoot(root, "/proc/cpuinfo"));
  if (!text) return {};
  std::map<std::uint64_t, CpuPackage> packages;
  std::map<std::uint64_t, std::set<std::string>> cores;
  for (CpuInfoEntry& entry : ParseCpuInfo(*text)) {
    const fs::path topology = CpuDirectory(root, entry.processor) / "topology";
    // Some ARM machines report -1 for a package they cannot tell, which is
    // no number here; they fall back to the cpuinfo figures like machines
    // without topology.
    std::optional<std::uint64_t> package = ReadNumber(topology / "physical_package_id");
    if (!package && entry.physicalId) package = *entry.physicalId;
    // The siblings list names a core by the logical processors sharing it,
    // which stays right where core ids repeat across the dies of a package.
    std::optional<std::string> core = ReadValue(topology / "thread_siblings_list");
    if (!core) {
      if (const std::optional<std::string> id = ReadValue(topology / "core_id")) core = "id " + *id;
    }
    if (!core && entry.coreId) core = "id " + std::to_string(*entry.coreId);
    if (!core) core = "cpu " + std::to_string(entry.processor);
    CpuPackage& target = packages[package.value_or(0)];
    target.id = package.value_or(0);
    cores[target.id].insert(*core);
    target.logical.push_back(std::move(entry));
  }
  std::vector<CpuPackage> list;
  for (auto& [id, package] : packages) {
    package.cores = static_cast<std::uint32_t>(cores[id].size());
    list.push_back(std::move(package));
  }
  return list;
}

}  // namespace platform::linux_backend::wmi

// The processor packages (sockets) of the machine with their logical
// processors and cores, from /proc/cpuinfo and the topology of sysfs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/linux/wmi/proc_parsers.h"

namespace platform::linux_backend::wmi {

struct CpuPackage {
  std::uint64_t id = 0;               // physical_package_id
  std::vector<CpuInfoEntry> logical;  // in the order of /proc/cpuinfo
  std::uint32_t cores = 0;
};

// Packages in the order of their ids; empty when /proc/cpuinfo names no
// processor. sysfs topology is preferred; without it the "physical id" and
// "core id" of /proc/cpuinfo serve, and without those each logical
// processor counts as a core of package 0.
std::vector<CpuPackage> ReadCpuPackages(const std::filesystem::path& root);

// The directory of one logical processor in sysfs.
std::filesystem::path CpuDirectory(const std::filesystem::path& root, std::uint32_t processor);

}  // namespace platform::linux_backend::wmi

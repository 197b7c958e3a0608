#include "platform/linux/wmi/physical_memory_class.h"

#include <algorithm>
#include <utility>

#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/proc_parsers.h"
#include "platform/linux/wmi/smbios_memory.h"
#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

PhysicalMemoryClass::PhysicalMemoryClass(fs::path root) : root_(std::move(root)) {}

std::vector<PropertySpec> PhysicalMemoryClass::Properties() const {
  return {{L"Tag", CimType::String},
          {L"Capacity", CimType::UInt64},
          {L"Speed", CimType::UInt32},
          {L"ConfiguredClockSpeed", CimType::UInt32},
          {L"Manufacturer", CimType::String},
          {L"PartNumber", CimType::String},
          {L"SerialNumber", CimType::String},
          {L"BankLabel", CimType::String},
          {L"DeviceLocator", CimType::String},
          {L"FormFactor", CimType::UInt16},
          {L"SMBIOSMemoryType", CimType::UInt32},
          {L"DataWidth", CimType::UInt16},
          {L"TotalWidth", CimType::UInt16}};
}

std::vector<Instance> PhysicalMemoryClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  // Entries are named "17-<n>" after their type and their place among the
  // structures of that type; the slots are listed in that order.
  std::vector<std::pair<std::uint64_t, std::string>> entries;
  const fs::path dir = UnderRoot(root_, "/sys/firmware/dmi/entries");
  for (const std::string& name : ListNames(dir)) {
    if (name.rfind("17-", 0) != 0) continue;
    if (const std::optional<std::uint64_t> number = ParseNumber(std::string_view(name).substr(3))) {
      entries.emplace_back(*number, name);
    }
  }
  std::sort(entries.begin(), entries.end());
  std::vector<Instance> instances;
  for (const auto& [number, name] : entries) {
    const std::optional<std::string> raw = ReadFileText(dir / name / "raw", 1u << 16);
    const std::optional<MemoryDevice> device = raw ? ParseMemoryDevice(*raw) : std::nullopt;
    if (!device || !device->installed) continue;
    InstanceBuilder instance(properties);
    instance.Text(L"Tag", "Physical Memory " + std::to_string(instances.size()))
        .Number(L"Capacity", device->capacityBytes)
        .Number(L"Speed", device->speed)
        .Number(L"ConfiguredClockSpeed", device->configuredSpeed)
        .Text(L"Manufacturer", device->manufacturer)
        .Text(L"PartNumber", device->partNumber)
        .Text(L"SerialNumber", device->serialNumber)
        .Text(L"BankLabel", device->bankLocator)
        .Text(L"DeviceLocator", device->deviceLocator)
        .Number(L"FormFactor", device->formFactor)
        .Number(L"SMBIOSMemoryType", device->memoryType)
        .Number(L"DataWidth", device->dataWidth)
        .Number(L"TotalWidth", device->totalWidth);
    instances.push_back(instance.Take());
  }
  return instances;
}

}  // namespace platform::linux_backend::wmi

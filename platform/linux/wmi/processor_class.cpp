#include "platform/linux/wmi/processor_class.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <utility>

#include "platform/linux/wmi/cpu_packages.h"
#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/machine_kind.h"
#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

namespace {

// ARM processors name their maker and design by number only. The names are
// those the makers publish for the designs found in servers and boards.
std::optional<std::string> ArmImplementerName(std::optional<std::uint32_t> implementer) {
  if (!implementer) return std::nullopt;
  switch (*implementer) {
    case 0x41:
      return "ARM";
    case 0x42:
      return "Broadcom";
    case 0x43:
      return "Cavium";
    case 0x46:
      return "Fujitsu";
    case 0x48:
      return "HiSilicon";
    case 0x4E:
      return "NVIDIA";
    case 0x50:
      return "APM";
    case 0x51:
      return "Qualcomm";
    case 0x53:
      return "Samsung";
    case 0x56:
      return "Marvell";
    case 0x61:
      return "Apple";
    case 0xC0:
      return "Ampere";
    default:
      return std::nullopt;
  }
}

std::optional<std::string> ArmCoreName(std::optional<std::uint32_t> implementer, std::optional<std::uint32_t> part) {
  if (implementer != 0x41u || !part) return std::nullopt;
  static const std::map<std::uint32_t, const char*> kArmCores = {
      {0xD03, "Cortex-A53"},  {0xD04, "Cortex-A35"},  {0xD05, "Cortex-A55"},  {0xD07, "Cortex-A57"},
      {0xD08, "Cortex-A72"},  {0xD09, "Cortex-A73"},  {0xD0A, "Cortex-A75"},  {0xD0B, "Cortex-A76"},
      {0xD0C, "Neoverse-N1"}, {0xD0D, "Cortex-A77"},  {0xD40, "Neoverse-V1"}, {0xD41, "Cortex-A78"},
      {0xD44, "Cortex-X1"},   {0xD46, "Cortex-A510"}, {0xD47, "Cortex-A710"}, {0xD48, "Cortex-X2"},
      {0xD49, "Neoverse-N2"}, {0xD4F, "Neoverse-V2"}, {0xD80, "Cortex-A520"}, {0xD81, "Cortex-A720"},
      {0xD82, "Cortex-X4"}};
  const auto found = kArmCores.find(*part);
  if (found == kArmCores.end()) return std::nullopt;
  return std::string("ARM ") + found->second;
}

std::optional<std::string> ProcessorName(const CpuInfoEntry& cpu) {
  if (!cpu.modelName.empty()) return cpu.modelName;
  return ArmCoreName(cpu.implementer, cpu.part);
}

std::optional<std::string> Manufacturer(const CpuInfoEntry& cpu) {
  if (!cpu.vendorId.empty()) return cpu.vendorId;
  return ArmImplementerName(cpu.implementer);
}

// The "Intel64 Family 6 Model 158 Stepping 10" by which Windows describes
// an x86 processor; nothing for other vendors and architectures, whose
// wording Windows does not fix.
std::optional<std::string> X86Caption(const CpuInfoEntry& cpu, std::optional<std::uint16_t> bits) {
  if (!cpu.family || !cpu.model || !cpu.stepping || !bits) return std::nullopt;
  const char* prefix = nullptr;
  if (*bits == 32) {
    prefix = "x86";
  } else if (cpu.vendorId == "GenuineIntel") {
    prefix = "Intel64";
  } else if (cpu.vendorId == "AuthenticAMD" || cpu.vendorId == "HygonGenuine") {
    prefix = "AMD64";
  } else {
    return std::nullopt;
  }
  return std::string(prefix) + " Family " + std::to_string(*cpu.family) + " Model " + std::to_string(*cpu.model) +
         " Stepping " + std::to_string(*cpu.stepping);
}

// The ProcessorId of Windows: the feature word EDX and the signature EAX of
// CPUID leaf 1. The signature is rebuilt from family, model and stepping;
// the feature word from the flags Linux reports for the bits of EDX, so a
// feature that the kernel hides is missing from it too.
std::optional<std::string> X86ProcessorId(const CpuInfoEntry& cpu) {
  if (cpu.vendorId.empty() || !cpu.family || !cpu.model || !cpu.stepping || cpu.flags.empty()) return std::nullopt;
  const std::uint32_t family = *cpu.family;
  const std::uint32_t model = *cpu.model;
  const bool extendedModel = family == 6 || family >= 15;
  if (*cpu.stepping > 15 || family > 15 + 255 || model > (extendedModel ? 255u : 15u)) return std::nullopt;
  const std::uint32_t baseFamily = family >= 15 ? 15 : family;
  const std::uint32_t eax = (family >= 15 ? (family - 15) << 20 : 0) | (model >> 4) << 16 | baseFamily << 8 |
                            (model & 15) << 4 | *cpu.stepping;
  static constexpr std::pair<const char*, int> kEdxFlags[] = {
      {"fpu", 0},    {"vme", 1},  {"de", 2},       {"pse", 3},   {"tsc", 4},   {"msr", 5},  {"pae", 6},   {"mce", 7},
      {"cx8", 8},    {"apic", 9}, {"sep", 11},     {"mtrr", 12}, {"pge", 13},  {"mca", 14}, {"cmov", 15}, {"pat", 16},
      {"pse36", 17}, {"pn", 18},  {"clflush", 19}, {"dts", 21},  {"acpi", 22}, {"mmx", 23}, {"fxsr", 24}, {"sse", 25},
      {"sse2", 26},  {"ss", 27},  {"ht", 28},      {"tm", 29},   {"ia64", 30}, {"pbe", 31}};
  std::uint32_t edx = 0;
  for (const auto& [flag, bit] : kEdxFlags) {
    if (HasFlag(cpu.flags, flag)) edx |= std::uint32_t{1} << bit;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%08X%08X", edx, eax);
  return std::string(text);
}

// The processor's own width, which exceeds the system's when a 64-bit x86
// processor runs a 32-bit kernel.
std::optional<std::uint16_t> DataWidth(const CpuInfoEntry& cpu, std::optional<std::uint16_t> bits) {
  if (HasFlag(cpu.flags, "lm")) return 64;
  return bits;
}

std::optional<std::uint64_t> RoundedMhz(std::optional<double> mhz) {
  if (!mhz || *mhz >= 1e12) return std::nullopt;
  return static_cast<std::uint64_t>(std::llround(*mhz));
}

std::optional<std::uint64_t> KhzToMhz(std::optional<std::uint64_t> khz) {
  if (!khz || *khz == 0 || *khz > UINT64_MAX - 500) return std::nullopt;
  return (*khz + 500) / 1000;
}

struct CacheSizes {
  std::optional<std::uint64_t> level2Kb;
  std::optional<std::uint64_t> level3Kb;
};

// Windows gives the whole cache of a level in the package: each cache that
// serves processors of the package counts once, however many share it.
CacheSizes PackageCaches(const fs::path& root, const CpuPackage& package) {
  std::map<std::string, std::pair<std::uint64_t, std::uint64_t>> caches;  // key -> (level, size)
  for (const CpuInfoEntry& cpu : package.logical) {
    const fs::path dir = CpuDirectory(root, cpu.processor) / "cache";
    for (const std::string& name : ListNames(dir)) {
      if (name.rfind("index", 0) != 0) continue;
      const std::optional<std::uint64_t> level = ReadNumber(dir / name / "level");
      const std::optional<std::string> type = ReadValue(dir / name / "type");
      const std::optional<std::string> size = ReadValue(dir / name / "size");
      if (!level || (*level != 2 && *level != 3) || !size || type == "Instruction") continue;
      const std::optional<std::uint64_t> sizeKb = ParseCacheSizeKb(*size);
      if (!sizeKb) continue;
      const std::string sharedBy =
          ReadValue(dir / name / "shared_cpu_list").value_or("cpu " + std::to_string(cpu.processor));
      caches[std::to_string(*level) + " " + type.value_or("") + " " + sharedBy] = {*level, *sizeKb};
    }
  }
  CacheSizes sizes;
  for (const auto& [key, cache] : caches) {
    std::optional<std::uint64_t>& total = cache.first == 2 ? sizes.level2Kb : sizes.level3Kb;
    total = total.value_or(0) + cache.second;
  }
  return sizes;
}

}  // namespace

ProcessorClass::ProcessorClass(fs::path root, std::shared_ptr<const SystemCalls> calls)
    : root_(std::move(root)), calls_(std::move(calls)) {}

std::vector<PropertySpec> ProcessorClass::Properties() const {
  return {{L"DeviceID", CimType::String},      {L"Name", CimType::String},
          {L"Caption", CimType::String},       {L"Description", CimType::String},
          {L"Manufacturer", CimType::String},  {L"ProcessorId", CimType::String},
          {L"NumberOfCores", CimType::UInt32}, {L"NumberOfLogicalProcessors", CimType::UInt32},
          {L"MaxClockSpeed", CimType::UInt32}, {L"CurrentClockSpeed", CimType::UInt32},
          {L"AddressWidth", CimType::UInt16},  {L"DataWidth", CimType::UInt16},
          {L"Architecture", CimType::UInt16},  {L"L2CacheSize", CimType::UInt32},
          {L"L3CacheSize", CimType::UInt32}};
}

std::vector<Instance> ProcessorClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  const std::optional<KernelNames> names = calls_->Uname();
  const MachineKind machine = DescribeMachine(names ? names->machine : std::string());
  std::vector<Instance> instances;
  for (const CpuPackage& package : ReadCpuPackages(root_)) {
    const CpuInfoEntry& first = package.logical.front();
    const fs::path cpufreq = CpuDirectory(root_, first.processor) / "cpufreq";
    std::optional<std::uint64_t> maxMhz = KhzToMhz(ReadNumber(cpufreq / "cpuinfo_max_freq"));
    std::optional<std::uint64_t> currentMhz = KhzToMhz(ReadNumber(cpufreq / "scaling_cur_freq"));
    if (!maxMhz) maxMhz = RoundedMhz(first.mhz);
    if (!currentMhz) currentMhz = RoundedMhz(first.mhz);
    const std::optional<std::string> caption = X86Caption(first, machine.bits);
    const CacheSizes caches = PackageCaches(root_, package);
    InstanceBuilder instance(properties);
    instance.Text(L"DeviceID", "CPU" + std::to_string(instances.size()))
        .Text(L"Name", ProcessorName(first))
        .Text(L"Caption", caption)
        .Text(L"Description", caption)
        .Text(L"Manufacturer", Manufacturer(first))
        .Text(L"ProcessorId", X86ProcessorId(first))
        .Number(L"NumberOfCores", package.cores)
        .Number(L"NumberOfLogicalProcessors", package.logical.size())
        .Number(L"MaxClockSpeed", maxMhz)
        .Number(L"CurrentClockSpeed", currentMhz)
        .Number(L"AddressWidth", machine.bits)
        .Number(L"DataWidth", DataWidth(first, machine.bits))
        .Number(L"Architecture", machine.architecture)
        .Number(L"L2CacheSize", caches.level2Kb)
        .Number(L"L3CacheSize", caches.level3Kb);
    instances.push_back(instance.Take());
  }
  return instances;
}

}  // namespace platform::linux_backend::wmi

#include "sysinfo/hardware_probes.h"

#include "readers/registry_holder.h"
#include "readers/registry_key.h"
#include "sysinfo/value_shaping.h"

namespace {

constexpr std::uint32_t kFmaAvxOsxsave = 0x18001000;  // ECX bits 12, 27 and 28
constexpr std::uint64_t kSseAvxState = 6;              // XCR0 bits 1 and 2

bool Fma3Usable(platform::Cpu& cpu) {
  const std::optional<platform::CpuFeatureBits> bits = cpu.FeatureBits();
  if (!bits || (bits->leaf1Ecx & kFmaAvxOsxsave) != kFmaAvxOsxsave) return false;
  return bits->xcr0 && (*bits->xcr0 & kSseAvxState) == kSseAvxState;
}

// The subkey of the display driver from the device map's value, a registry
// path such as \Registry\Machine\System\CurrentControlSet\Control\Video\{GUID}\0000:
// its eighth backslash-separated field followed by "\0000".
std::wstring DriverSubkey(const std::wstring& deviceMapValue) {
  std::size_t start = 0;
  for (int field = 0; field < 7; ++field) {
    const std::size_t slash = deviceMapValue.find(L'\\', start);
    if (slash == std::wstring::npos) return L"\\0000";
    start = slash + 1;
  }
  const std::size_t end = deviceMapValue.find(L'\\', start);
  return deviceMapValue.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start) + L"\\0000";
}

}  // namespace

std::wstring CheckProcessorFeature(platform::Cpu& cpu, const std::wstring& featureKey) {
  if (featureKey == L"FMA3SupportStatus") return Fma3Usable(cpu) ? L"Yes" : L"No";
  const std::int64_t number = ReadLeadingInteger(featureKey);
  return number == 6 || number == 10 ? L"Yes" : L"No";
}

std::uint32_t GetMemoryLoad(platform::Memory& memory) { return memory.MemoryLoad(); }

std::wstring GetVideoAcceleration(platform::Registry& registryFunctions, CollectionSink& sink) {
  CRegistry registry(registryFunctions);
  std::optional<std::wstring> subkey;
  {
    RegistryKeyGuard deviceMap(registry);
    if (deviceMap.Open(platform::RegistryRoot::LocalMachine, L"HARDWARE\\DEVICEMAP\\VIDEO\\")) {
      if (std::optional<std::wstring> value = registry.ReadText(deviceMap.Get(), L"\\DEVICE\\VIDEO0", 520)) {
        subkey = DriverSubkey(*value);
      }
    }
  }
  sink.ShowProgress(L"Hardware");
  if (!subkey) return L"?";
  RegistryKeyGuard driver(registry);
  if (!driver.Open(platform::RegistryRoot::LocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Video\\" + *subkey)) {
    return L"?";
  }
  const std::optional<std::uint32_t> level = registry.ReadDword(driver.Get(), L"Acceleration.Level");
  return level ? std::to_wstring(static_cast<std::int32_t>(*level)) : L"Full";
}

MonitorLists CollectMonitors(platform::Display& display) {
  MonitorLists lists;
  lists.sizes = display.MonitorSizes();
  for (std::wstring& name : display.MonitorNames()) {
    lists.names.push_back(name.empty() ? L"Generic PnP Monitor" : std::move(name));
  }
  return lists;
}

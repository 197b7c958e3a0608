#include "sysinfo/collect_system_info.h"

#include <array>

#include "sysinfo/graphics_probes.h"
#include "sysinfo/hardware_probes.h"
#include "sysinfo/os_probes.h"
#include "sysinfo/query_wmi.h"
#include "sysinfo/value_shaping.h"

namespace {

const wchar_t* const kHardware = L"Hardware";
const wchar_t* const kOperatingSystem = L"Operating System";
constexpr std::array<const wchar_t*, 4> kUnitKeywords = {L"memory", L"size", L"space", L"capacity"};

// Per-instance values of video adapters, and of disks and volumes, kept
// until the hardware pass is over and then added grouped by instance.
struct InstanceLists {
  std::vector<VideoAttribute> videos;
  std::vector<DiskAttribute> disks;
};

bool NamesAUnit(const std::wstring& display) {
  for (const wchar_t* keyword : kUnitKeywords) {
    if (display.find(keyword) != std::wstring::npos) return true;
  }
  return false;
}

std::wstring Scaled(const std::wstring& itemName, const std::wstring& value) {
  if (itemName == L"MEMORY") return ScaleValue(value, L"%ldMB", 1024);
  if (itemName == L"VIDEO") return ScaleValue(value, L"%ldMB", 1048576);
  if (itemName == L"VOLUME") return ScaleValue(value, L"%fGB", 1073741824);
  return value;
}

void HardwareWmi(SystemInfoContext& c, const Hardware& item, InstanceLists& instances) {
  c.sink.ShowProgress(kHardware);
  for (const InfoEntry& entry : item.entries) {
    c.sink.ShowProgress(kHardware);
    const WmiValueList values = QueryWmi(c.host.wmi, c.sink, item.query, entry.value);
    std::int32_t n = 1;
    for (const std::wstring& returned : values) {
      std::wstring v = TrimBlanks(returned);
      for (std::size_t k = 0; k < kUnitKeywords.size(); ++k) c.sink.ShowProgress(kHardware);
      if (NamesAUnit(entry.display)) v = Scaled(item.name, v);
      if (item.name == L"VIDEO") {
        instances.videos.emplace_back(n++, entry.display, v);
      } else if (item.name == L"DISK" || item.name == L"VOLUME") {
        instances.disks.emplace_back(n++, entry.display, v);
      } else {
        c.sink.AddResult(entry.display, v, CategoryHardware);
      }
    }
  }
}

void HardwareProbe(SystemInfoContext& c, const Hardware& item) {
  const std::wstring& name = item.name;
  if (name == L"CPU") {
    c.sink.ShowProgress(kHardware);
    for (const InfoEntry& e : item.entries) {
      c.sink.AddResult(e.display, CheckProcessorFeature(c.host.cpu, e.value), CategoryHardware);
    }
  } else if (name == L"MEMORY") {
    c.sink.ShowProgress(kHardware);
    const std::uint32_t load = GetMemoryLoad(c.host.memory);
    for (const InfoEntry& e : item.entries) {
      if (e.value == L"dwMemoryLoad") c.sink.AddResult(e.display, std::to_wstring(load) + L"%", CategoryHardware);
    }
  } else if (name == L"VIDEOACCEL") {
    c.sink.ShowProgress(kHardware);
    for (const InfoEntry& e : item.entries) {
      c.sink.AddResult(e.display, GetVideoAcceleration(c.host.registry, c.sink), CategoryHardware);
    }
  } else if (name == L"OPENCL") {
    c.sink.ShowProgress(kHardware);
    for (const InfoEntry& e : item.entries) {
      c.sink.AddResult(e.display, GetOpenCLInfo(c.host.opencl, c.host.versions, e.value), CategoryHardware);
    }
  } else if (name == L"OPENGL") {
    c.sink.ShowProgress(kHardware);
    const OpenGLProbe probe{c.host.opengl, c.nativeWindow};
    for (const InfoEntry& e : item.entries) {
      c.sink.AddResult(e.display, GetOpenGLString(probe, c.sink, e.value, c.openGLExtensions), CategoryHardware);
    }
  } else if (name == L"MONITOR") {
    c.sink.ShowProgress(kHardware);
    const MonitorLists monitors = CollectMonitors(c.host.display);
    c.sink.AddResult(L"# Monitors", std::to_wstring(monitors.names.size()), CategoryHardware);
    for (std::size_t k = 0; k < monitors.names.size(); ++k) {
      c.sink.AddResult(L"Monitor", monitors.names[k], CategoryHardware);
      // A name without a size of its own (a clone-mode target) shows an
      // empty resolution rather than another monitor's size.
      const std::wstring resolution = k < monitors.sizes.size()
                                          ? std::to_wstring(monitors.sizes[k].width) + L"x" +
                                                std::to_wstring(monitors.sizes[k].height)
                                          : std::wstring();
      c.sink.AddResult(L"Resolution", resolution, CategoryHardware);
    }
  }
}

template <typename Attribute>
void AddByInstance(SystemInfoContext& c, const std::vector<Attribute>& attributes) {
  for (std::int32_t n = 1;; ++n) {
    bool any = false;
    for (const Attribute& a : attributes) {
      if (a.index != n) continue;
      any = true;
      c.sink.AddResult(a.display, a.value, CategoryHardware);
    }
    if (!any) break;
  }
}

void OperatingSystemWmi(SystemInfoContext& c, const OperatingSystem& item) {
  c.sink.ShowProgress(kOperatingSystem);
  for (const InfoEntry& entry : item.entries) {
    c.sink.ShowProgress(kOperatingSystem);
    const WmiValueList values = QueryWmi(c.host.wmi, c.sink, item.query, entry.value);
    std::int32_t n = 1;
    for (const std::wstring& returned : values) {
      const std::wstring v = CutAtBar(TrimBlanks(returned));
      std::wstring display = entry.display;
      if (values.size() != 1) display += L"(" + std::to_wstring(n++) + L")";
      c.sink.AddResult(display, v, CategoryOperatingSystem);
    }
  }
}

void OperatingSystemProbe(SystemInfoContext& c, const OperatingSystem& item) {
  const std::wstring& name = item.name;
  if (name == L"VCREDIST" || name == L"DOTNET") {
    c.sink.ShowProgress(kOperatingSystem);
    const std::vector<std::wstring> found =
        name == L"VCREDIST" ? ListVCRedistributables(c.host.registry) : ListDotNetFrameworks(c.host.registry);
    for (const std::wstring& runtime : found) c.sink.AddResult(runtime, L"Yes", CategoryOperatingSystem);
  } else if (name == L"ADMINCHECK") {
    c.sink.ShowProgress(kOperatingSystem);
    c.sink.AddResult(L"Administrator rights", IsUserAdministrator(c.host.security) ? L"Yes" : L"No",
                       CategoryOperatingSystem);
  }
}

}  // namespace

void CollectSystemInfo(SystemInfoContext& c) {
  c.sink.ResetStatus(L"Gathering system Info...");
  InstanceLists instances;
  for (const auto& item : c.model.hardwareItems) {
    if (!item) continue;
    if (!item->query.empty()) {
      HardwareWmi(c, *item, instances);
    } else {
      HardwareProbe(c, *item);
    }
  }
  AddByInstance(c, instances.videos);
  AddByInstance(c, instances.disks);
  for (const auto& item : c.model.osItems) {
    if (!item) continue;
    if (!item->query.empty()) {
      OperatingSystemWmi(c, *item);
    } else {
      OperatingSystemProbe(c, *item);
    }
  }
  c.sink.FinishStatus(L"System info collected");
}

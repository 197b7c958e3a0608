// The built-in probes of hardware items without a WMI statement: processor
// features, memory load, the display driver's acceleration level, monitors.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/notifier.h"
#include "platform/cpu.h"
#include "platform/display.h"
#include "platform/memory.h"
#include "platform/registry.h"

// "Yes" or "No".
std::wstring CheckProcessorFeature(platform::Cpu& cpu, const std::wstring& featureKey);

std::uint32_t GetMemoryLoad(platform::Memory& memory);

// "?" when the driver's settings cannot be found, "Full" when its key holds
// no acceleration level, else the level in decimal. Advances the progress
// row once between its two registry reads.
std::wstring GetVideoAcceleration(platform::Registry& registry, CollectionSink& sink);

struct MonitorLists {
  std::vector<std::wstring> names;
  std::vector<platform::MonitorSize> sizes;
};

MonitorLists CollectMonitors(platform::Display& display);

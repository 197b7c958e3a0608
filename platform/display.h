// The monitors attached to the machine, from two enumerations that are
// paired by position: the desktop's monitor rectangles, and the display
// configuration's targets with their friendly names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct MonitorSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const MonitorSize&, const MonitorSize&) = default;
};

class Display {
 public:
  virtual ~Display() = default;
  virtual std::vector<MonitorSize> MonitorSizes() = 0;
  // One name per target; an empty name where the monitor gives none.
  virtual std::vector<std::wstring> MonitorNames() = 0;
};

}  // namespace platform

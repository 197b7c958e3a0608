// The monitors of the desktop and the targets of the display configuration.
#pragma once

#include "platform/display.h"

namespace platform::windows_backend {

class Win32Display final : public Display {
 public:
  // The monitor rectangles' sizes, in the order the desktop enumerates them.
  std::vector<MonitorSize> MonitorSizes() override;
  // The friendly names of the targets in the display configuration's mode
  // list; none when the configuration cannot be read.
  std::vector<std::wstring> MonitorNames() override;
};

}  // namespace platform::windows_backend

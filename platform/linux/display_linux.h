// The monitors of the X server the program's $DISPLAY names, through the
// RandR extension.
#pragma once

#include "platform/display.h"

namespace platform::linux_backend {

// Each call connects anew. Both lists are empty, and nothing is printed,
// when $DISPLAY is unset or its server cannot be reached: the program runs
// without a display.
class XrandrDisplay final : public Display {
 public:
  // The active monitors' sizes in the server's order. A server whose RandR
  // is older than 1.5 knows no monitors; its screen counts as one.
  std::vector<MonitorSize> MonitorSizes() override;
  // One name per connected output, in the screen's order, from the product
  // name in the output's EDID; empty for an output without one.
  std::vector<std::wstring> MonitorNames() override;
};

}  // namespace platform::linux_backend

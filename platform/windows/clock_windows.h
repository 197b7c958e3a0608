// The local date on Windows.
#pragma once

#include "platform/clock.h"

namespace platform::windows_backend {

class Win32Clock final : public Clock {
 public:
  LocalDate Today() override;
};

}  // namespace platform::windows_backend

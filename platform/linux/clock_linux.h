// The local date on Linux, in the time zone the C library is set to.
#pragma once

#include "platform/clock.h"

namespace platform::linux_backend {

class LocalTimeClock final : public Clock {
 public:
  LocalDate Today() override;
};

}  // namespace platform::linux_backend

// The memory load as the system's memory status reports it.
#pragma once

#include "platform/memory.h"

namespace platform::windows_backend {

class Win32Memory final : public Memory {
 public:
  std::uint32_t MemoryLoad() override;
};

}  // namespace platform::windows_backend

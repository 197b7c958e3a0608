// The share of physical memory in use.
#pragma once

#include <cstdint>

namespace platform {

class Memory {
 public:
  virtual ~Memory() = default;
  // A whole percentage, 0 to 100.
  virtual std::uint32_t MemoryLoad() = 0;
};

}  // namespace platform

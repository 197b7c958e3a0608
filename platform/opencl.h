// The OpenCL runtime library, loaded on demand, and its four query functions
// as the standard defines them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

using ClId = void*;

class OpenCL {
 public:
  virtual ~OpenCL() = default;
  // Loads the library and binds all four functions; false when it cannot be
  // loaded or a function is missing. A loaded library stays loaded.
  virtual bool Load() = 0;
  // The standard functions. The first call loads the library; when it
  // cannot be loaded or bound, every call answers with an error (a negative
  // code).
  virtual std::int32_t GetPlatformIDs(std::uint32_t entries, ClId* platforms, std::uint32_t* count) = 0;
  virtual std::int32_t GetPlatformInfo(ClId platform, std::uint32_t name, std::size_t size, void* value,
                                       std::size_t* sizeReturned) = 0;
  virtual std::int32_t GetDeviceIDs(ClId platform, std::uint64_t type, std::uint32_t entries, ClId* devices,
                                    std::uint32_t* count) = 0;
  virtual std::int32_t GetDeviceInfo(ClId device, std::uint32_t name, std::size_t size, void* value,
                                     std::size_t* sizeReturned) = 0;
};

}  // namespace platform

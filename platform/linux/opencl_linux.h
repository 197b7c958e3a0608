// The OpenCL loader library of the system (the installable client driver
// loader), opened on first use and bound all or nothing.
#pragma once

#include <string>

#include "platform/opencl.h"

namespace platform::linux_backend {

class DlopenOpenCL final : public OpenCL {
 public:
  // `library` is the name handed to dlopen; tests name one that is missing.
  explicit DlopenOpenCL(std::string library = "libOpenCL.so.1");
  DlopenOpenCL(const DlopenOpenCL&) = delete;
  DlopenOpenCL& operator=(const DlopenOpenCL&) = delete;
  ~DlopenOpenCL() override;

  // The library is tried once; its outcome holds for the rest of the run.
  bool Load() override;
  // Without the four functions every call answers -1001, the code OpenCL
  // gives when no platform is found.
  std::int32_t GetPlatformIDs(std::uint32_t entries, ClId* platforms, std::uint32_t* count) override;
  std::int32_t GetPlatformInfo(ClId platform, std::uint32_t name, std::size_t size, void* value,
                               std::size_t* sizeReturned) override;
  std::int32_t GetDeviceIDs(ClId platform, std::uint64_t type, std::uint32_t entries, ClId* devices,
                            std::uint32_t* count) override;
  std::int32_t GetDeviceInfo(ClId device, std::uint32_t name, std::size_t size, void* value,
                             std::size_t* sizeReturned) override;

 private:
  // The standard's signatures with its fixed-width types written out, so
  // that no OpenCL header is needed.
  using GetPlatformIDsFn = std::int32_t (*)(std::uint32_t, ClId*, std::uint32_t*);
  using GetPlatformInfoFn = std::int32_t (*)(ClId, std::uint32_t, std::size_t, void*, std::size_t*);
  using GetDeviceIDsFn = std::int32_t (*)(ClId, std::uint64_t, std::uint32_t, ClId*, std::uint32_t*);
  using GetDeviceInfoFn = std::int32_t (*)(ClId, std::uint32_t, std::size_t, void*, std::size_t*);

  std::string library_;
  bool tried_ = false;
  bool bound_ = false;
  void* handle_ = nullptr;
  GetPlatformIDsFn getPlatformIDs_ = nullptr;
  GetPlatformInfoFn getPlatformInfo_ = nullptr;
  GetDeviceIDsFn getDeviceIDs_ = nullptr;
  GetDeviceInfoFn getDeviceInfo_ = nullptr;
};

}  // namespace platform::linux_backend

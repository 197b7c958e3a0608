// The OpenCL runtime library of the system, loaded on first use and bound
// all or nothing.
#pragma once

#include <string>

#include "platform/opencl.h"

namespace platform::windows_backend {

class Win32OpenCL final : public OpenCL {
 public:
  // `library` is the file name looked up; the program uses the system's
  // runtime, tests a library that lacks the functions.
  explicit Win32OpenCL(std::wstring library = L"OpenCL.dll");
  Win32OpenCL(const Win32OpenCL&) = delete;
  Win32OpenCL& operator=(const Win32OpenCL&) = delete;
  ~Win32OpenCL() override;

  bool Load() override;
  std::int32_t GetPlatformIDs(std::uint32_t entries, ClId* platforms, std::uint32_t* count) override;
  std::int32_t GetPlatformInfo(ClId platform, std::uint32_t name, std::size_t size, void* value,
                               std::size_t* sizeReturned) override;
  std::int32_t GetDeviceIDs(ClId platform, std::uint64_t type, std::uint32_t entries, ClId* devices,
                            std::uint32_t* count) override;
  std::int32_t GetDeviceInfo(ClId device, std::uint32_t name, std::size_t size, void* value,
                             std::size_t* sizeReturned) override;

 private:
  using GetPlatformIDsFn = std::int32_t(__stdcall*)(std::uint32_t, ClId*, std::uint32_t*);
  using GetPlatformInfoFn = std::int32_t(__stdcall*)(ClId, std::uint32_t, std::size_t, void*, std::size_t*);
  using GetDeviceIDsFn = std::int32_t(__stdcall*)(ClId, std::uint64_t, std::uint32_t, ClId*, std::uint32_t*);
  using GetDeviceInfoFn = std::int32_t(__stdcall*)(ClId, std::uint32_t, std::size_t, void*, std::size_t*);

  std::wstring library_;
  bool tried_ = false;
  void* module_ = nullptr;
  GetPlatformIDsFn getPlatformIDs_ = nullptr;
  GetPlatformInfoFn getPlatformInfo_ = nullptr;
  GetDeviceIDsFn getDeviceIDs_ = nullptr;
  GetDeviceInfoFn getDeviceInfo_ = nullptr;
};

}  // namespace platform::windows_backend

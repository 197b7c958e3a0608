#include "platform/windows/opencl_windows.h"

#include <windows.h>

#include <utility>

namespace platform::windows_backend {

namespace {

// What the OpenCL loader answers when there is no platform.
constexpr std::int32_t kPlatformNotFound = -1001;

template <typename Function>
Function Bind(HMODULE module, const char* name) {
  // Through the generic function pointer type, which converts to any other
  // without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

Win32OpenCL::Win32OpenCL(std::wstring library) : library_(std::move(library)) {}

Win32OpenCL::~Win32OpenCL() {
  if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

bool Win32OpenCL::Load() {
  if (tried_) return module_ != nullptr;
  tried_ = true;
  // The application's folder and the system folders only: a library of
  // that name in the current directory or on PATH must not be loaded.
  HMODULE module = LoadLibraryExW(library_.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  if (!module) return false;
  getPlatformIDs_ = Bind<GetPlatformIDsFn>(module, "clGetPlatformIDs");
  getPlatformInfo_ = Bind<GetPlatformInfoFn>(module, "clGetPlatformInfo");
  getDeviceIDs_ = Bind<GetDeviceIDsFn>(module, "clGetDeviceIDs");
  getDeviceInfo_ = Bind<GetDeviceInfoFn>(module, "clGetDeviceInfo");
  if (!getPlatformIDs_ || !getPlatformInfo_ || !getDeviceIDs_ || !getDeviceInfo_) {
    getPlatformIDs_ = nullptr;
    getPlatformInfo_ = nullptr;
    getDeviceIDs_ = nullptr;
    getDeviceInfo_ = nullptr;
    FreeLibrary(module);
    return false;
  }
  module_ = module;
  return true;
}

std::int32_t Win32OpenCL::GetPlatformIDs(std::uint32_t entries, ClId* platforms, std::uint32_t* count) {
  if (!Load()) return kPlatformNotFound;
  return getPlatformIDs_(entries, platforms, count);
}

std::int32_t Win32OpenCL::GetPlatformInfo(ClId platform, std::uint32_t name, std::size_t size, void* value,
                                          std::size_t* sizeReturned) {
  if (!Load()) return kPlatformNotFound;
  return getPlatformInfo_(platform, name, size, value, sizeReturned);
}

std::int32_t Win32OpenCL::GetDeviceIDs(ClId platform, std::uint64_t type, std::uint32_t entries, ClId* devices,
                                       std::uint32_t* count) {
  if (!Load()) return kPlatformNotFound;
  return getDeviceIDs_(platform, type, entries, devices, count);
}

std::int32_t Win32OpenCL::GetDeviceInfo(ClId device, std::uint32_t name, std::size_t size, void* value,
                                        std::size_t* sizeReturned) {
  if (!Load()) return kPlatformNotFound;
  return getDeviceInfo_(device, name, size, value, sizeReturned);
}

}  // namespace platform::windows_backend

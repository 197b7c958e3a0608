#include "platform/linux/opencl_linux.h"

#include <dlfcn.h>

namespace platform::linux_backend {

namespace {

// CL_PLATFORM_NOT_FOUND_KHR.
constexpr std::int32_t kNoPlatform = -1001;

template <typename Fn>
bool Bind(void* handle, const char* name, Fn& function) {
  function = reinterpret_cast<Fn>(dlsym(handle, name));
  return function != nullptr;
}

}  // namespace

DlopenOpenCL::DlopenOpenCL(std::string library) : library_(std::move(library)) {}

DlopenOpenCL::~DlopenOpenCL() {
  if (handle_ != nullptr) dlclose(handle_);
}

bool DlopenOpenCL::Load() {
  if (tried_) return bound_;
  tried_ = true;
  // Local binding keeps the library's names away from later loads.
  handle_ = dlopen(library_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) return false;
  bound_ = Bind(handle_, "clGetPlatformIDs", getPlatformIDs_) && Bind(handle_, "clGetPlatformInfo", getPlatformInfo_) &&
           Bind(handle_, "clGetDeviceIDs", getDeviceIDs_) && Bind(handle_, "clGetDeviceInfo", getDeviceInfo_);
  return bound_;
}

std::int32_t DlopenOpenCL::GetPlatformIDs(std::uint32_t entries, ClId* platforms, std::uint32_t* count) {
  return Load() ? getPlatformIDs_(entries, platforms, count) : kNoPlatform;
}

std::int32_t DlopenOpenCL::GetPlatformInfo(ClId platform, std::uint32_t name, std::size_t size, void* value,
                                           std::size_t* sizeReturned) {
  return Load() ? getPlatformInfo_(platform, name, size, value, sizeReturned) : kNoPlatform;
}

std::int32_t DlopenOpenCL::GetDeviceIDs(ClId platform, std::uint64_t type, std::uint32_t entries, ClId* devices,
                                        std::uint32_t* count) {
  return Load() ? getDeviceIDs_(platform, type, entries, devices, count) : kNoPlatform;
}

std::int32_t DlopenOpenCL::GetDeviceInfo(ClId device, std::uint32_t name, std::size_t size, void* value,
                                         std::size_t* sizeReturned) {
  return Load() ? getDeviceInfo_(device, name, size, value, sizeReturned) : kNoPlatform;
}

}  // namespace platform::linux_backend

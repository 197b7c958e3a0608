#include "platform/linux/wmi/system_calls.h"

#include <sys/statvfs.h>
#include <sys/utsname.h>

#include <ctime>

namespace platform::linux_backend::wmi {

std::optional<KernelNames> LinuxSystemCalls::Uname() const {
  struct utsname names {};
  if (::uname(&names) != 0) return std::nullopt;
  return KernelNames{names.sysname, names.nodename, names.release, names.machine};
}

std::optional<VolumeSpace> LinuxSystemCalls::StatVfs(const std::filesystem::path& path) const {
  struct statvfs status {};
  if (::statvfs(path.c_str(), &status) != 0) return std::nullopt;
  VolumeSpace space;
  const std::uint64_t fragment = status.f_frsize != 0 ? status.f_frsize : status.f_bsize;
  if (__builtin_mul_overflow(std::uint64_t{status.f_blocks}, fragment, &space.sizeBytes) ||
      __builtin_mul_overflow(std::uint64_t{status.f_bavail}, fragment, &space.availableBytes)) {
    return std::nullopt;
  }
  return space;
}

std::int64_t LinuxSystemCalls::Now() const { return static_cast<std::int64_t>(std::time(nullptr)); }

std::optional<int> LinuxSystemCalls::UtcOffsetMinutes(std::int64_t utcSeconds) const {
  const auto moment = static_cast<std::time_t>(utcSeconds);
  struct tm local {};
  if (::localtime_r(&moment, &local) == nullptr) return std::nullopt;
  return static_cast<int>(local.tm_gmtoff / 60);
}

}  // namespace platform::linux_backend::wmi

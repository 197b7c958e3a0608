// The few system calls the Linux WMI classes make besides reading files:
// uname, statvfs and the clock. Tests put a fake in their place.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace platform::linux_backend::wmi {

struct KernelNames {
  std::string sysname;   // "Linux"
  std::string nodename;  // the host name
  std::string release;   // "6.1.0-18-amd64"
  std::string machine;   // "x86_64"
};

struct VolumeSpace {
  std::uint64_t sizeBytes = 0;
  std::uint64_t availableBytes = 0;  // what an ordinary user may still write
};

class SystemCalls {
 public:
  virtual ~SystemCalls() = default;
  virtual std::optional<KernelNames> Uname() const = 0;
  virtual std::optional<VolumeSpace> StatVfs(const std::filesystem::path& path) const = 0;
  // Seconds since 1970 UTC.
  virtual std::int64_t Now() const = 0;
  // The local time zone's offset from UTC at that moment, in minutes east.
  virtual std::optional<int> UtcOffsetMinutes(std::int64_t utcSeconds) const = 0;
};

class LinuxSystemCalls final : public SystemCalls {
 public:
  std::optional<KernelNames> Uname() const override;
  // Size is f_blocks and free space f_bavail, both in fragments of
  // f_frsize; nullopt when the call fails or the product overflows.
  std::optional<VolumeSpace> StatVfs(const std::filesystem::path& path) const override;
  std::int64_t Now() const override;
  std::optional<int> UtcOffsetMinutes(std::int64_t utcSeconds) const override;
};

}  // namespace platform::linux_backend::wmi

// Readers of the small text files of /proc and /sys below a root directory,
// and of the links that sysfs uses to tie devices together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::linux_backend::wmi {

// The whole content of a regular file of at most `limit` bytes; nullopt when
// it cannot be read, is not a regular file (a pipe could stall the reader) or
// is longer than the limit (no file the classes read is that long, so a
// longer one is not the file they expect).
std::optional<std::string> ReadFileText(const std::filesystem::path& path, std::size_t limit = 4u << 20);

// The first line of a file without the blanks around it; nullopt when the
// file cannot be read or holds nothing but blanks.
std::optional<std::string> ReadValue(const std::filesystem::path& path);

// ReadValue read as a decimal or 0x-prefixed hexadecimal number.
std::optional<std::uint64_t> ReadNumber(const std::filesystem::path& path);

// The names in a directory, sorted; empty when it cannot be listed.
std::vector<std::string> ListNames(const std::filesystem::path& dir);

// The last name of a symbolic link's target ("virtio_pci" for a link to
// "../../module/virtio_pci"); nullopt when the path is no link.
std::optional<std::string> LinkTargetName(const std::filesystem::path& link);

// The target of a symbolic link as stored; nullopt when the path is no link.
std::optional<std::string> LinkTarget(const std::filesystem::path& link);

// An absolute Linux path ("/proc/cpuinfo") below the root directory.
std::filesystem::path UnderRoot(const std::filesystem::path& root, std::string_view absolute);

}  // namespace platform::linux_backend::wmi

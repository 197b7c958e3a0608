// The identity strings of the firmware tables (SMBIOS) that the kernel
// publishes in /sys/class/dmi/id; several of them only root can read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform::linux_backend::wmi {

// One field, such as "bios_vendor"; nullopt when the machine has no such
// table, the field is empty or it cannot be read.
std::optional<std::string> ReadDmiField(const std::filesystem::path& root, std::string_view field);

}  // namespace platform::linux_backend::wmi

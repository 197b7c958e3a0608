#include "platform/linux/wmi/dmi_id.h"

#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

std::optional<std::string> ReadDmiField(const std::filesystem::path& root, std::string_view field) {
  return ReadValue(UnderRoot(root, "/sys/class/dmi/id") / std::string(field));
}

}  // namespace platform::linux_backend::wmi

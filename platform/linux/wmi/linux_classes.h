// All Win32_* classes that the Linux build serves to its WQL engine.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/linux/wmi/system_calls.h"
#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

// The classes reading the machine whose files lie below the root ("/" for
// the machine the program runs on) with the real system calls.
std::vector<std::unique_ptr<WmiClass>> MakeLinuxClasses(const std::filesystem::path& root);

// The same with other system calls, for tests that fake uname and statvfs.
std::vector<std::unique_ptr<WmiClass>> MakeLinuxClasses(const std::filesystem::path& root,
                                                        std::shared_ptr<const SystemCalls> calls);

}  // namespace platform::linux_backend::wmi

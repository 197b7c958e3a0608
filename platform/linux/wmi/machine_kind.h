// What the kernel's machine name (uname -m) means in the words and numbers
// WMI uses for a processor architecture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::linux_backend::wmi {

struct MachineKind {
  std::optional<std::wstring> systemType;      // Win32_ComputerSystem.SystemType: "x64-based PC"
  std::optional<std::uint16_t> architecture;   // Win32_Processor.Architecture: 9 for x64, 12 for ARM64
  std::optional<std::uint16_t> bits;           // 64 or 32
  std::optional<std::wstring> osArchitecture;  // Win32_OperatingSystem.OSArchitecture: "64-bit"
};

// Machines that Windows runs on get Windows's words; others get the width
// and, where WMI has one, the architecture number, and no system type.
MachineKind DescribeMachine(std::string_view machine);

}  // namespace platform::linux_backend::wmi

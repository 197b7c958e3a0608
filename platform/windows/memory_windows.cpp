#include "platform/windows/memory_windows.h"

#include <windows.h>

namespace platform::windows_backend {

std::uint32_t Win32Memory::MemoryLoad() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return 0;
  return status.dwMemoryLoad;
}

}  // namespace platform::windows_backend

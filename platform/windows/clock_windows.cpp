#include "platform/windows/clock_windows.h"

#include <windows.h>

namespace platform::windows_backend {

LocalDate Win32Clock::Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalDate{now.wYear, now.wMonth, now.wDay};
}

}  // namespace platform::windows_backend

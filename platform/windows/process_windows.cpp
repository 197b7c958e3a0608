#include "platform/windows/process_windows.h"

#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <string>

namespace platform::windows_backend {

// The path is read in full, however long: a path cut short would name
// another directory, and with it perhaps another configuration file.
std::wstring WindowsProcess::ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::wstring();
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    if (buffer.size() >= 32768) return std::wstring();
    buffer.resize(buffer.size() * 2);
  }
}

HResult WindowsProcess::InitializeApartment() { return CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }

void WindowsProcess::UninitializeApartment() {
  if (beforeUninitialize_) beforeUninitialize_();
  CoUninitialize();
}

void StdoutConsole::Print(const std::wstring& text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return;
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

}  // namespace platform::windows_backend

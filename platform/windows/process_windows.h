// The process facts of a Windows process, and its standard output.
#pragma once

#include "platform/process.h"

namespace platform::windows_backend {

class WindowsProcess final : public Process {
 public:
  std::wstring ExecutablePath() override;
  wchar_t PathSeparator() const override { return L'\\'; }
  HResult InitializeApartment() override;
  void UninitializeApartment() override;
};

class StdoutConsole final : public Console {
 public:
  void Print(const std::wstring& text) override;
};

}  // namespace platform::windows_backend

// The process facts of a Windows process, and its standard output.
#pragma once

#include <functional>

#include "platform/process.h"

namespace platform::windows_backend {

class WindowsProcess final : public Process {
 public:
  // `beforeUninitialize` lets go of the COM objects the process keeps
  // (the WMI connection) while COM is still there to release them.
  explicit WindowsProcess(std::function<void()> beforeUninitialize = {})
      : beforeUninitialize_(std::move(beforeUninitialize)) {}
  std::wstring ExecutablePath() override;
  wchar_t PathSeparator() const override { return L'\\'; }
  HResult InitializeApartment() override;
  void UninitializeApartment() override;

 private:
  std::function<void()> beforeUninitialize_;
};

class StdoutConsole final : public Console {
 public:
  void Print(const std::wstring& text) override;
};

}  // namespace platform::windows_backend

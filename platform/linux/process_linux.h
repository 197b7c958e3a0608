// The process facts of a Linux process, and its standard output.
#pragma once

#include "platform/process.h"

namespace platform::linux_backend {

class LinuxProcess final : public Process {
 public:
  std::wstring ExecutablePath() override;
  wchar_t PathSeparator() const override { return L'/'; }
  // Linux has no component apartments; there is nothing to set up.
  HResult InitializeApartment() override { return kOk; }
  void UninitializeApartment() override {}
};

class StdoutConsole final : public Console {
 public:
  void Print(const std::wstring& text) override;
};

}  // namespace platform::linux_backend

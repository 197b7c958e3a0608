// Facts about the running process: where its executable is, and the
// apartment set-up that the system's component services need on the
// user-interface thread.
#pragma once

#include <string>

#include "platform/result.h"

namespace platform {

class Process {
 public:
  virtual ~Process() = default;
  // The full path of the program's executable; empty when it cannot be read.
  virtual std::wstring ExecutablePath() = 0;
  // The separator of the platform's paths ('\\' on Windows, '/' elsewhere).
  virtual wchar_t PathSeparator() const = 0;
  // Initialises the component services for this thread as a single-threaded
  // apartment: kOk when newly initialised, kFalse when it already was.
  virtual HResult InitializeApartment() = 0;
  virtual void UninitializeApartment() = 0;
};

// The process's standard output, for diagnostics nobody is asked to read.
class Console {
 public:
  virtual ~Console() = default;
  virtual void Print(const std::wstring& text) = 0;
};

}  // namespace platform

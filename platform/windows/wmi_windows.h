// Windows Management Instrumentation through its COM interfaces, connected
// to the local "ROOT\CIMV2" namespace.
#pragma once

#include <memory>

#include "platform/wmi.h"

struct tagVARIANT;

namespace platform::windows_backend {

class Win32Wmi final : public Wmi {
 public:
  Win32Wmi();
  Win32Wmi(const Win32Wmi&) = delete;
  Win32Wmi& operator=(const Win32Wmi&) = delete;
  ~Win32Wmi() override;

  // Expects COM to be initialised on the calling thread. The first question
  // connects and the connection serves the later ones; a failed connection
  // is tried again at the next question. A question with the statement of
  // the one just before it (within two seconds) reads the instances that
  // question enumerated instead of enumerating them again.
  WmiAnswer Query(const std::wstring& statement, const std::wstring& property) override;

  // Lets the connection go; it must go before COM is uninitialised on the
  // thread that made it.
  void Disconnect();

 private:
  struct Connection;
  std::unique_ptr<Connection> connection_;
};

// A property value as the core takes it: strings whole, integers of every
// width with their own signedness, booleans and reals as such, NULL and
// EMPTY as Null. WMI hands an unsigned 32-bit property over in a signed
// 32-bit variant, so `cimType`, the property's declared type, decides how
// the bits read (0 when unknown: the variant's own type decides). An
// unsigned 64-bit number beyond the signed range keeps its exact value as
// decimal text; any other type becomes its text where the system can
// convert it, and Null where it cannot (arrays, objects).
WmiValue WmiValueFromVariant(const tagVARIANT& variant, long cimType);

}  // namespace platform::windows_backend

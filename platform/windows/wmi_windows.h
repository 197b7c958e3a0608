// Windows Management Instrumentation through its COM interfaces: every
// question connects to the local "ROOT\CIMV2" namespace afresh.
#pragma once

#include "platform/wmi.h"

struct tagVARIANT;

namespace platform::windows_backend {

class Win32Wmi final : public Wmi {
 public:
  // Expects COM to be initialised on the calling thread.
  WmiAnswer Query(const std::wstring& statement, const std::wstring& property) override;
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

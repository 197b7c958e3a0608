// Lets GoogleTest print WMI values in its failure messages.
#pragma once

#include <ostream>

#include "base/utf.h"
#include "platform/wmi.h"

namespace platform {

inline void PrintTo(const WmiValue& value, std::ostream* out) {
  switch (value.type) {
    case WmiValue::Type::Null:
      *out << "NULL";
      break;
    case WmiValue::Type::String:
      *out << '"' << text::ToUtf8(value.text) << '"';
      break;
    case WmiValue::Type::Integer:
      *out << value.integer;
      break;
    case WmiValue::Type::Boolean:
      *out << (value.boolean ? "TRUE" : "FALSE");
      break;
    case WmiValue::Type::Real:
      *out << value.real;
      break;
  }
}

}  // namespace platform

// Windows Management Instrumentation as the core asks it: one WQL statement,
// one property, one value per instance, typed as WMI types it (64-bit
// integers and datetimes arrive as text, smaller integers as numbers).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct WmiValue {
  enum class Type { Null, String, Integer, Boolean, Real };
  Type type = Type::Null;
  std::wstring text;         // Type::String
  std::int64_t integer = 0;  // Type::Integer
  bool boolean = false;      // Type::Boolean
  double real = 0.0;         // Type::Real

  static WmiValue Null() { return WmiValue{}; }
  static WmiValue String(std::wstring s) { return WmiValue{Type::String, std::move(s), 0, false, 0.0}; }
  static WmiValue Integer(std::int64_t i) { return WmiValue{Type::Integer, {}, i, false, 0.0}; }
  static WmiValue Boolean(bool b) { return WmiValue{Type::Boolean, {}, 0, b, 0.0}; }
  static WmiValue Real(double r) { return WmiValue{Type::Real, {}, 0, false, r}; }
  friend bool operator==(const WmiValue&, const WmiValue&) = default;
};

// The step of the conversation with the service that failed.
enum class WmiFailure { None, Locator, Connect, Security, Query };

struct WmiAnswer {
  WmiFailure failure = WmiFailure::None;
  // One value per instance whose property could be read, in the order the
  // service delivers the instances; an instance without the property adds
  // nothing.
  std::vector<WmiValue> values;
};

class Wmi {
 public:
  virtual ~Wmi() = default;
  virtual WmiAnswer Query(const std::wstring& statement, const std::wstring& property) = 0;
};

}  // namespace platform

// One WMI class as the Linux WQL engine serves it: its name, its properties
// with their CIM types, and its instances read from the machine.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/wmi.h"

namespace platform::linux_backend::wmi {

// CIM types, which decide how a value reaches the caller: 64-bit integers
// and datetimes as text, smaller integers as numbers.
enum class CimType { String, DateTime, UInt8, UInt16, UInt32, SInt32, UInt64, SInt64, Boolean, Real32, Real64 };

struct PropertySpec {
  std::wstring name;  // as the class spells it, e.g. "NumberOfCores"
  CimType type;
};

// Property values by the class's spelling of the name. A property of the
// class that an instance does not hold is NULL for that instance: a fact the
// machine does not have is never made up.
using Instance = std::map<std::wstring, WmiValue>;

// Makes the value of a property of the given type; the provider writes
// numbers and the engine gives them the shape WMI gives them.
WmiValue MakeValue(CimType type, const std::wstring& text);
WmiValue MakeValue(CimType type, std::int64_t number);

class WmiClass {
 public:
  virtual ~WmiClass() = default;
  virtual std::wstring Name() const = 0;
  virtual std::vector<PropertySpec> Properties() const = 0;
  virtual std::vector<Instance> Instances() const = 0;
};

}  // namespace platform::linux_backend::wmi

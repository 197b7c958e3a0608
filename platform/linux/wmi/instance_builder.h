// Fills one instance of a class, giving each value the CIM type the class
// declares for it, so that no class declares one type and delivers another.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

class InstanceBuilder {
 public:
  // The properties must outlive the builder.
  explicit InstanceBuilder(const std::vector<PropertySpec>& properties) : properties_(properties) {}

  // Linux text (UTF-8); nullopt leaves the property NULL.
  InstanceBuilder& Text(const std::wstring& name, const std::optional<std::string>& utf8);
  InstanceBuilder& Wide(const std::wstring& name, const std::optional<std::wstring>& text);
  // A number; nullopt, or a number the property's type cannot hold, leaves
  // the property NULL rather than wrapping it into a false value.
  InstanceBuilder& Number(const std::wstring& name, std::optional<std::uint64_t> value);
  InstanceBuilder& Flag(const std::wstring& name, std::optional<bool> value);

  Instance Take() { return std::move(instance_); }

 private:
  // The declared type; a name the class does not declare is a fault of the
  // class and stops the program where it is made.
  CimType TypeOf(const std::wstring& name) const;

  const std::vector<PropertySpec>& properties_;
  Instance instance_;
};

}  // namespace platform::linux_backend::wmi

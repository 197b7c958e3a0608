#include "platform/linux/wmi/instance_builder.h"

#include <cstdlib>

#include "base/utf.h"

namespace platform::linux_backend::wmi {

namespace {

std::uint64_t LargestOf(CimType type) {
  switch (type) {
    case CimType::UInt8:
      return UINT8_MAX;
    case CimType::UInt16:
      return UINT16_MAX;
    case CimType::UInt32:
      return UINT32_MAX;
    case CimType::SInt32:
      return INT32_MAX;
    case CimType::SInt64:
      return INT64_MAX;
    default:
      return UINT64_MAX;
  }
}

}  // namespace

CimType InstanceBuilder::TypeOf(const std::wstring& name) const {
  for (const PropertySpec& property : properties_) {
    if (property.name == name) return property.type;
  }
  std::abort();
}

InstanceBuilder& InstanceBuilder::Text(const std::wstring& name, const std::optional<std::string>& utf8) {
  if (utf8) return Wide(name, text::FromUtf8(*utf8));
  TypeOf(name);
  return *this;
}

InstanceBuilder& InstanceBuilder::Wide(const std::wstring& name, const std::optional<std::wstring>& text) {
  const CimType type = TypeOf(name);
  if (text) instance_[name] = MakeValue(type, *text);
  return *this;
}

InstanceBuilder& InstanceBuilder::Number(const std::wstring& name, std::optional<std::uint64_t> value) {
  const CimType type = TypeOf(name);
  if (value && *value <= LargestOf(type)) instance_[name] = MakeValue(type, static_cast<std::int64_t>(*value));
  return *this;
}

InstanceBuilder& InstanceBuilder::Flag(const std::wstring& name, std::optional<bool> value) {
  const CimType type = TypeOf(name);
  if (value) instance_[name] = MakeValue(type, std::int64_t{*value ? 1 : 0});
  return *this;
}

}  // namespace platform::linux_backend::wmi

#include "platform/linux/wmi/wmi_class.h"

#include <cwchar>

namespace platform::linux_backend::wmi {

namespace {

bool IsText(CimType type) {
  return type == CimType::String || type == CimType::DateTime || type == CimType::UInt64 || type == CimType::SInt64;
}

}  // namespace

WmiValue MakeValue(CimType type, const std::wstring& text) {
  if (IsText(type)) return WmiValue::String(text);
  if (type == CimType::Boolean) return WmiValue::Boolean(text == L"1" || text == L"true" || text == L"TRUE");
  if (type == CimType::Real32 || type == CimType::Real64) return WmiValue::Real(std::wcstod(text.c_str(), nullptr));
  return WmiValue::Integer(std::wcstoll(text.c_str(), nullptr, 10));
}

WmiValue MakeValue(CimType type, std::int64_t number) {
  if (IsText(type)) {
    if (type == CimType::UInt64) return WmiValue::String(std::to_wstring(static_cast<std::uint64_t>(number)));
    return WmiValue::String(std::to_wstring(number));
  }
  if (type == CimType::Boolean) return WmiValue::Boolean(number != 0);
  if (type == CimType::Real32 || type == CimType::Real64) return WmiValue::Real(static_cast<double>(number));
  return WmiValue::Integer(number);
}

}  // namespace platform::linux_backend::wmi

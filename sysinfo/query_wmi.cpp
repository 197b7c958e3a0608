#include "sysinfo/query_wmi.h"

namespace {

const wchar_t* FailureText(platform::WmiFailure failure) {
  switch (failure) {
    case platform::WmiFailure::Locator: return L"ERROR - Obtaining IID_IWbemLocator";
    case platform::WmiFailure::Connect: return L"ERROR - Connecting to namespace";
    case platform::WmiFailure::Security: return L"ERROR - Setting security levels";
    case platform::WmiFailure::Query: return L"ERROR - Querying WMI";
    case platform::WmiFailure::None: break;
  }
  return L"";
}

}  // namespace

// Strings are shown whole and integers in decimal. A NULL value (a fact the
// machine does not have) is an empty text rather than whatever number a
// variant without value happens to hold, and a boolean reads as WMI writes it.
std::wstring WmiValueText(const platform::WmiValue& value) {
  switch (value.type) {
    case platform::WmiValue::Type::String: return value.text;
    case platform::WmiValue::Type::Integer: return std::to_wstring(value.integer);
    case platform::WmiValue::Type::Boolean: return value.boolean ? L"TRUE" : L"FALSE";
    case platform::WmiValue::Type::Real: return std::to_wstring(value.real);
    case platform::WmiValue::Type::Null: break;
  }
  return std::wstring();
}

WmiValueList QueryWmi(platform::Wmi& wmi, Notifier& notifier, const std::wstring& statement,
                      const std::wstring& property) {
  const platform::WmiAnswer answer = wmi.Query(statement, property);
  if (answer.failure != platform::WmiFailure::None) {
    notifier.Notify(FailureText(answer.failure));
    return {L"false"};
  }
  WmiValueList values;
  values.reserve(answer.values.size());
  for (const platform::WmiValue& value : answer.values) values.push_back(WmiValueText(value));
  return values;
}

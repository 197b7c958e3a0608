// One question to Windows Management Instrumentation: the text of one
// property of every instance a WQL statement yields.
#pragma once

#include <string>
#include <vector>

#include "platform/wmi.h"
#include "model/notifier.h"

using WmiValueList = std::vector<std::wstring>;

// A failure is told through `notifier` and gives the single value "false".
WmiValueList QueryWmi(platform::Wmi& wmi, Notifier& notifier, const std::wstring& statement,
                      const std::wstring& property);

// The text of one property value.
std::wstring WmiValueText(const platform::WmiValue& value);

// One question to Windows Management Instrumentation: the text of one
// property of every instance a WQL statement yields.
#pragma once

#include <string>
#include <vector>

#include "platform/wmi.h"
#include "ui/controls.h"

using WmiValueList = std::vector<std::wstring>;

// A failure shows its message (no icon) under `title` and gives the single
// value "false".
WmiValueList QueryWmi(platform::Wmi& wmi, ui::MessageBoxes& messages, const std::wstring& title,
                      const std::wstring& statement, const std::wstring& property);

// The text of one property value.
std::wstring WmiValueText(const platform::WmiValue& value);

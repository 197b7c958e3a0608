#include "ui/category_entries.h"

#include <string>

namespace ui {

namespace {

// Shorter values hold no month: among them "false" from a failed WMI query
// and the empty value of a driver that gives no date. They stay as they are
// rather than becoming a date made of fragments.
constexpr std::size_t kYearAndMonth = 6;

bool IsDriverDateToRewrite(const InfoEntry& entry) {
  return entry.display.find(L"Graphics driver date") != std::wstring::npos &&
         entry.value.find(L'/') == std::wstring::npos && entry.value.size() >= kYearAndMonth;
}

// Characters 5-6, 7-8 and 1-4 of the CIM date as month/day/year; a value of
// year and month only keeps an empty day.
std::wstring MonthDayYear(const std::wstring& cim) {
  const std::wstring day = cim.size() > 6 ? cim.substr(6, 2) : std::wstring();
  return cim.substr(4, 2) + L'/' + day + L'/' + cim.substr(0, 4);
}

}  // namespace

void GetCategoryEntries(CSysInfo& model, std::int32_t category, InfoEntryList& entries) {
  if (category < CategoryHardware || category > CategoryAddIn) return;
  for (const auto& result : model.results) {
    if (!result || result->category != category) continue;
    for (InfoEntry& entry : result->entries) {
      if (category == CategoryHardware && IsDriverDateToRewrite(entry)) entry.value = MonthDayYear(entry.value);
      entries.push_back(entry);
    }
  }
}

}  // namespace ui

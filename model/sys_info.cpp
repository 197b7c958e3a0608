#include "model/sys_info.h"

void CSysInfo::AddResult(std::wstring display, std::wstring value, InfoCategory category) {
  auto record = std::make_unique<SystemInfoResults>();
  record->category = category;
  record->entries.push_back(InfoEntry{std::move(display), std::move(value)});
  results.push_back(std::move(record));
}

void CSysInfo::EmptyProductResults() {
  for (auto& item : productItems) {
    if (item) item->entries.clear();
  }
  for (auto& result : results) {
    if (result && (result->category == CategoryProduct || result->category == CategoryAddIn)) {
      result->entries.clear();
    }
  }
}

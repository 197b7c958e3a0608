// The entries of one result category as the system information dialog shows
// them, and the main dialog's side of that request.
#pragma once

#include <cstdint>

#include "model/sys_info.h"

namespace ui {

// The window that owns the information model and answers the system
// information dialog's requests for a category's entries.
class CategorySource {
 public:
  virtual ~CategorySource() = default;
  // Appends the entries of one category to the list.
  virtual void GetCategoryEntries(std::int32_t category, InfoEntryList& entries) = 0;
};

// Appends a copy of every entry of the model's results of the given category,
// in result order; a category other than 1 to 4 appends nothing. For the
// hardware category, graphics driver dates in the CIM form (yyyymmdd...) are
// rewritten to month/day/year inside the model first, so that every later
// reader, the report included, sees the rewritten form.
void GetCategoryEntries(CSysInfo& model, std::int32_t category, InfoEntryList& entries);

}  // namespace ui

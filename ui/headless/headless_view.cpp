#include "ui/headless/headless_view.h"

#include <algorithm>

#include "model/sys_info.h"
#include "ui/headless/console_text.h"

namespace ui::headless {

std::wstring MemoryComboBox::GetItemText(int index) const {
  if (index < 0 || index >= GetCount()) return std::wstring();
  return items_[static_cast<std::size_t>(index)];
}

int MemoryComboBox::AddString(const std::wstring& text) {
  items_.push_back(text);
  return GetCount() - 1;
}

void MemoryListView::InsertItem(int row, const std::wstring& text, int) {
  const std::size_t at = row < 0 ? 0 : std::min(static_cast<std::size_t>(row), rows_.size());
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), Row{text, L""});
}

void MemoryListView::SetItemText(int row, int column, const std::wstring& text) {
  if (row < 0 || row >= GetItemCount()) return;
  Row& r = rows_[static_cast<std::size_t>(row)];
  (column == 0 ? r.status : r.description) = text;
}

std::wstring MemoryListView::StatusText(int row) const {
  if (row < 0 || row >= GetItemCount()) return std::wstring();
  return rows_[static_cast<std::size_t>(row)].status;
}

void StderrMessages::Show(const std::wstring& text, const std::wstring& title, MessageIcon) {
  ++count_;
  WriteLine(stderr, title + L": " + text);
}

void HeadlessMainDialog::RunSysInfoDialog(CategorySource& parent, const std::wstring&, const std::wstring&) {
  InfoEntryList shown;
  parent.GetCategoryEntries(CategoryHardware, shown);
}

void HeadlessMainDialog::EndDialog(int) { ended_ = true; }

}  // namespace ui::headless

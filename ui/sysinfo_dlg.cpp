#include "ui/sysinfo_dlg.h"

#include <array>

#include "model/edition.h"

namespace {

constexpr int kItemColumn = 0;
constexpr int kValueColumn = 1;

struct Category {
  const wchar_t* text;
  InfoCategory data;
};

constexpr std::array<Category, 4> kCategories = {{
    {L"Hardware", CategoryHardware},
    {L"Operating system", CategoryOperatingSystem},
    {L"Velotrace", CategoryProduct},
    {L"Velotrace for SOLIDWORKS", CategoryAddIn},
}};

}  // namespace

bool CSysInfoDlg::OnInitDialog() {
  ui::ListBox& categories = view_.CategoryList();
  ui::DetailListView& details = view_.DetailList();
  details.SetFullRowSelect();

  for (const Category& category : kCategories) {
    // The add-in edition's category is offered only for a version of that edition.
    if (category.data == CategoryAddIn && !IsAddInEdition(versionText)) continue;
    const int index = categories.AddString(category.text);
    categories.SetItemData(index, category.data);
  }
  categories.SetCurSel(0);

  const int half = details.GetWindowWidth() / 2;
  details.InsertColumn(kItemColumn, L"Item", half);
  details.InsertColumn(kValueColumn, L"Value", half);

  FillDetailList();
  return true;
}

void CSysInfoDlg::FillDetailList() {
  const ui::ListBox& categories = view_.CategoryList();
  const int selected = categories.GetCurSel();
  if (!parent_ || selected < 0) return;

  categoryEntries_.clear();
  parent_->GetCategoryEntries(static_cast<std::int32_t>(categories.GetItemData(selected)), categoryEntries_);

  ui::DetailListView& details = view_.DetailList();
  details.DeleteAllItems();
  for (std::size_t i = 0; i < categoryEntries_.size(); ++i) {
    const int row = static_cast<int>(i);
    details.InsertItem(row, categoryEntries_[i].display);
    details.SetItemText(row, kValueColumn, categoryEntries_[i].value);
  }
}

// Only the change into the selected state opens the extensions dialog, so
// clicking the row again while it stays selected opens nothing.
void CSysInfoDlg::OnItemChanged(int row, bool wasSelected, bool isSelected) {
  if (!isSelected || wasSelected) return;
  const std::wstring item = view_.DetailList().GetItemText(row, kItemColumn);
  if (item.find(L"click here for list") == std::wstring::npos) return;
  view_.RunExtensionsDialog(extensionsText);
}

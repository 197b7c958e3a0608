// The system information dialog's logic: the category list on the left, the
// entries of the selected category on the right, and the extensions dialog
// that opens from the entry which asks for the list. It reaches its window
// only through SysInfoDialogView and the model only through its parent.
#pragma once

#include <string>

#include "model/sys_info.h"
#include "ui/category_entries.h"
#include "ui/controls.h"

namespace ui {

class SysInfoDialogView {
 public:
  virtual ~SysInfoDialogView() = default;
  virtual ListBox& CategoryList() = 0;
  virtual DetailListView& DetailList() = 0;
  // Makes the OpenGL extensions dialog over this window, runs it modally
  // with the given extension list and destroys it when it closes.
  virtual void RunExtensionsDialog(const std::wstring& extensionsText) = 0;
};

}  // namespace ui

class CSysInfoDlg {
 public:
  // The parent is the main dialog; without one the detail list is never
  // filled.
  CSysInfoDlg(ui::SysInfoDialogView& view, ui::CategorySource* parent) : view_(view), parent_(parent) {}
  CSysInfoDlg(const CSysInfoDlg&) = delete;
  CSysInfoDlg& operator=(const CSysInfoDlg&) = delete;
  virtual ~CSysInfoDlg() = default;

  // Set by the opener before the dialog is shown.
  std::wstring extensionsText;
  std::wstring versionText;

  // True: the window sets the focus to its first control.
  bool OnInitDialog();
  void OnCategorySelected() { FillDetailList(); }
  // A row of the detail list changed its selected state.
  void OnItemChanged(int row, bool wasSelected, bool isSelected);
  void FillDetailList();

  const InfoEntryList& CategoryEntries() const { return categoryEntries_; }

 private:
  ui::SysInfoDialogView& view_;
  ui::CategorySource* parent_;
  InfoEntryList categoryEntries_;
};

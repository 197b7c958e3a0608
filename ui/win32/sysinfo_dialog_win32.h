// The system information dialog of the Windows build: template 129 with its
// category list and detail list, resizable through its size grip. It is
// passive: it shows what the logic hands it and forwards the user's
// selections to the logic's handlers. Esc, Enter and the close box close it.
#pragma once

#include "app/resizer.h"
#include "ui/sysinfo_dlg.h"
#include "ui/win32/dialog.h"
#include "ui/win32/resizable_layout.h"
#include "ui/win32/win32_controls.h"

namespace ui::win32 {

class SysInfoDialog final : public Dialog, public ui::SysInfoDialogView {
 public:
  explicit SysInfoDialog(HINSTANCE instance);

  INT_PTR Run(HWND parent, CSysInfoDlg& logic);

  ui::ListBox& CategoryList() override { return categories_; }
  ui::DetailListView& DetailList() override { return details_; }
  void RunExtensionsDialog(const std::wstring& extensionsText) override;

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnInitDialog();
  void OnItemChanged(const NMLISTVIEW& change);

  CSysInfoDlg* logic_ = nullptr;
  Win32ListBox categories_;
  Win32DetailListView details_;
  ResizableLayout layout_;
};

}  // namespace ui::win32

#include "ui/win32/sysinfo_dialog_win32.h"

#include "ui/resource.h"
#include "ui/win32/opengl_extensions_dialog_win32.h"

namespace ui::win32 {

namespace {
}  // namespace

SysInfoDialog::SysInfoDialog(HINSTANCE instance) : Dialog(instance, IDD_SYSINFO_DIALOG) {}

INT_PTR SysInfoDialog::Run(HWND parent, CSysInfoDlg& logic) {
  logic_ = &logic;
  const INT_PTR result = DoModal(parent);
  logic_ = nullptr;
  return result;
}

void SysInfoDialog::RunExtensionsDialog(const std::wstring& extensionsText) {
  OpenGLExtensionsDialog dialog(Instance());
  dialog.Run(Handle(), extensionsText);
}

INT_PTR SysInfoDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_COMMAND:
      // The dialog has no buttons: Enter arrives as IDOK, and Esc and the
      // close box as IDCANCEL.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(Handle(), LOWORD(wParam));
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_CATEGORY_LIST && HIWORD(wParam) == LBN_SELCHANGE && logic_) {
        logic_->OnCategorySelected();
        return TRUE;
      }
      return FALSE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom != IDC_DETAIL_LIST || header->code != LVN_ITEMCHANGED) return FALSE;
      OnItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
      return TRUE;
    }
    case WM_SIZE:
      layout_.OnSize();
      return TRUE;
    case WM_GETMINMAXINFO:
      layout_.OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return FALSE;
    default:
      return FALSE;
  }
}

void SysInfoDialog::OnInitDialog() {
  HWND dialog = Handle();
  // The resizer captures the template's rectangles before anything else,
  // and the dialog's initial size is the smallest it may become.
  layout_.Init(dialog, app::SysInfoDialogResizeRules());

  categories_.Attach(GetDlgItem(dialog, IDC_CATEGORY_LIST));
  details_.Attach(GetDlgItem(dialog, IDC_DETAIL_LIST));

  layout_.CreateSizeGrip(Instance());

  if (logic_) logic_->OnInitDialog();
}

// Every change of an item's state arrives here, the focus included; only
// the selected state is passed on.
void SysInfoDialog::OnItemChanged(const NMLISTVIEW& change) {
  if (!logic_ || !(change.uChanged & LVIF_STATE)) return;
  const bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
  const bool isSelected = (change.uNewState & LVIS_SELECTED) != 0;
  logic_->OnItemChanged(change.iItem, wasSelected, isSelected);
}

}  // namespace ui::win32

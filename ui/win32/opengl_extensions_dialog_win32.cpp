#include "ui/win32/opengl_extensions_dialog_win32.h"

#include "ui/resource.h"

namespace ui::win32 {

OpenGLExtensionsDialog::OpenGLExtensionsDialog(HINSTANCE instance) : Dialog(instance, IDD_OPENGL_EXTENSIONS) {}

INT_PTR OpenGLExtensionsDialog::Run(HWND parent, const std::wstring& extensionsText) {
  logic_.extensionsText = extensionsText;
  return DoModal(parent);
}

// The dialog has no buttons: Enter arrives as IDOK, and Esc and the close
// box as IDCANCEL.
INT_PTR OpenGLExtensionsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      extensions_.Attach(GetDlgItem(Handle(), IDC_EXTENSION_LIST));
      return logic_.OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(Handle(), LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace ui::win32

// The OpenGL extensions dialog of the Windows build: template 146, one
// sorted list box that selects nothing. Esc, Enter and the close box close
// it.
#pragma once

#include <string>

#include "ui/opengl_extensions_dlg.h"
#include "ui/win32/dialog.h"
#include "ui/win32/win32_controls.h"

namespace ui::win32 {

class OpenGLExtensionsDialog final : public Dialog {
 public:
  explicit OpenGLExtensionsDialog(HINSTANCE instance);

  // Shows the names of the extension list modally over the parent.
  INT_PTR Run(HWND parent, const std::wstring& extensionsText);

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Win32ListBox extensions_;
  OpenGLExtensionsDlg logic_{extensions_};
};

}  // namespace ui::win32

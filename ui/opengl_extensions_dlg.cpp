#include "ui/opengl_extensions_dlg.h"

#include <string_view>

// Only the space separates names: the driver's list uses nothing else, and
// a tab or line end inside it stays part of a name.
bool OpenGLExtensionsDlg::OnInitDialog() {
  const std::wstring_view text = extensionsText;
  std::size_t start = text.find_first_not_of(L' ');
  while (start != std::wstring_view::npos) {
    const std::size_t end = text.find(L' ', start);
    list_.AddString(std::wstring(text.substr(start, end == std::wstring_view::npos ? end : end - start)));
    start = text.find_first_not_of(L' ', end);
  }
  return true;
}

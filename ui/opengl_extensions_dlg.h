// The OpenGL extensions dialog's logic: the driver's extension list, one name
// per line of a sorted list box.
#pragma once

#include <string>

#include "ui/controls.h"

class OpenGLExtensionsDlg {
 public:
  explicit OpenGLExtensionsDlg(ui::ListBox& list) : list_(list) {}
  OpenGLExtensionsDlg(const OpenGLExtensionsDlg&) = delete;
  OpenGLExtensionsDlg& operator=(const OpenGLExtensionsDlg&) = delete;
  virtual ~OpenGLExtensionsDlg() = default;

  // The names separated by spaces; set by the opener before the dialog is
  // shown.
  std::wstring extensionsText;

  // Adds every name to the list box, in the order of the text. True: the
  // window sets the focus to its first control.
  bool OnInitDialog();

 private:
  ui::ListBox& list_;
};

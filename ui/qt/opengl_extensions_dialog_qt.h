// The OpenGL extensions dialog of the Linux build (template 146): one sorted
// list box of the extension names, which the user reads but cannot select
// from. Esc, Enter and the close box close it.
#pragma once

#include <QDialog>

#include "ui/qt/qt_controls.h"

class QListWidget;

namespace ui::qt {

class OpenGLExtensionsDialog final : public QDialog {
 public:
  explicit OpenGLExtensionsDialog(QWidget* parent);

  ui::ListBox& Extensions() { return extensions_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QListWidget* list_;
  QtListBox extensions_;
};

}  // namespace ui::qt

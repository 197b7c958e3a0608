#include "ui/qt/opengl_extensions_dialog_qt.h"

#include <QKeyEvent>
#include <QListWidget>

#include "ui/qt/dialog_units.h"
#include "ui/resource.h"

namespace ui::qt {

OpenGLExtensionsDialog::OpenGLExtensionsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      list_(new QListWidget(this)),
      extensions_(list_, true) {
  setWindowTitle(QStringLiteral("OpenGL Extensions"));
  const DialogUnits du(font());
  setFixedSize(du.X(309), du.Y(178));

  SetControlId(list_, IDC_EXTENSION_LIST);
  list_->setGeometry(du.Rect(7, 7, 295, 164));
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  list_->setUniformItemSizes(true);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setFocus(Qt::OtherFocusReason);
}

// The dialog has no buttons: Enter closes it as Esc does.
void OpenGLExtensionsDialog::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ui::qt

#include "ui/qt/about_dialog_qt.h"

#include <QLabel>
#include <QPushButton>

#include "app/about_box.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/qt_controls.h"
#include "ui/resource.h"

namespace ui::qt {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QString::fromWCharArray(app::kAboutCaption));
  const DialogUnits du(font());
  setFixedSize(du.X(199), du.Y(62));

  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(QStringLiteral(":/res/program.bmp")));
  icon->setGeometry(du.Rect(14, 14, 21, 20));

  auto* name = new QLabel(QString::fromWCharArray(app::kAboutText), this);
  name->setGeometry(du.Rect(42, 14, 114, 8));
  name->setMinimumHeight(name->sizeHint().height());

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok, IDC_OK_BUTTON);
  ok->setGeometry(du.Rect(142, 41, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace ui::qt

// The About box (template 100): the program icon, the name and version, OK.
#pragma once

#include <QDialog>

namespace ui::qt {

class AboutDialog final : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace ui::qt

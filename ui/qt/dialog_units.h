// Dialog units: the font-relative coordinates of the dialog templates, turned
// into pixels with the dialog font's base units as the system computes them
// (average width of the 52 Latin letters, and the font's height).
#pragma once

#include <QFont>
#include <QRect>

namespace ui::qt {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int units) const;
  int Y(int units) const;
  QRect Rect(int x, int y, int width, int height) const;

 private:
  int baseX_;
  int baseY_;
};

}  // namespace ui::qt

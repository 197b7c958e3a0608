#include "ui/qt/dialog_units.h"

#include <QFontMetrics>

namespace ui::qt {

namespace {
// Rounds like the system's MulDiv does.
int Scale(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}
}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseX_ = std::max(1, (letters / 26 + 1) / 2);
  baseY_ = std::max(1, metrics.height());
}

int DialogUnits::X(int units) const { return Scale(units, baseX_, 4); }
int DialogUnits::Y(int units) const { return Scale(units, baseY_, 8); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(X(x), Y(y), X(width), Y(height));
}

}  // namespace ui::qt

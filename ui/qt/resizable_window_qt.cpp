#include "ui/qt/resizable_window_qt.h"

#include <QSizeGrip>
#include <QWidget>

#include "ui/qt/qt_controls.h"

namespace ui::qt {

namespace {
app::Rect FromQRect(const QRect& r) { return app::Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
}  // namespace

app::Rect QtResizableWindow::ClientRect() const { return FromQRect(dialog_->rect()); }

std::optional<app::Rect> QtResizableWindow::ControlRect(std::int32_t id) const {
  const QWidget* control = FindControl(dialog_, id);
  if (!control) return std::nullopt;
  return FromQRect(control->geometry());
}

// Updates are held back until every control has its new place, so the
// dialog repaints once.
void QtResizableWindow::MoveControls(const std::vector<app::ControlPlacement>& placements) {
  dialog_->setUpdatesEnabled(false);
  for (const app::ControlPlacement& p : placements) {
    if (QWidget* control = FindControl(dialog_, p.controlId)) {
      control->setGeometry(p.rect.left, p.rect.top, p.rect.right - p.rect.left, p.rect.bottom - p.rect.top);
    }
  }
  dialog_->setUpdatesEnabled(true);
}

void QtResizableLayout::Init(const std::vector<app::ResizeRule>& rules) {
  ready_ = resizer_.Init(window_, rules.data(), static_cast<int>(rules.size()));
  sizeGrip_ = new QSizeGrip(dialog_);
  sizeGrip_->resize(sizeGrip_->sizeHint());
  sizeGrip_->move(dialog_->width() - sizeGrip_->width(), dialog_->height() - sizeGrip_->height());
}

void QtResizableLayout::OnResize() {
  if (!sizeGrip_) return;
  sizeGrip_->move(dialog_->width() - sizeGrip_->width(), dialog_->height() - sizeGrip_->height());
  sizeGrip_->raise();
  if (ready_) resizer_.Layout();
}

}  // namespace ui::qt

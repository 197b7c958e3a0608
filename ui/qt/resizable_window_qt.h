// A Qt dialog as the resizer sees it: its client area and its controls,
// found by their template ids.
#pragma once

#include "app/resizer.h"

class QWidget;

namespace ui::qt {

class QtResizableWindow final : public app::ResizableWindow {
 public:
  explicit QtResizableWindow(QWidget* dialog) : dialog_(dialog) {}
  app::Rect ClientRect() const override;
  std::optional<app::Rect> ControlRect(std::int32_t id) const override;
  void MoveControls(const std::vector<app::ControlPlacement>& placements) override;

 private:
  QWidget* dialog_;
};

}  // namespace ui::qt

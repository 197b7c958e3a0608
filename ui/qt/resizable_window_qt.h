// What makes a Qt dialog resizable, as ResizableLayout does for a Win32 one:
// the dialog as the resizer sees it (its client area and its controls, found
// by their template ids), the size grip in its lower right corner, and the
// resizer that keeps its controls anchored.
#pragma once

#include <vector>

#include "app/resizer.h"

class QSizeGrip;
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

class QtResizableLayout {
 public:
  explicit QtResizableLayout(QWidget* dialog) : dialog_(dialog), window_(dialog) {}
  // Captures the controls' rectangles and makes the size grip; call it once
  // the controls stand where the template puts them, before the logic starts.
  void Init(const std::vector<app::ResizeRule>& rules);
  // From the dialog's resizeEvent, after the default processing. Until Init,
  // a resize moves nothing.
  void OnResize();

 private:
  QWidget* dialog_;
  QSizeGrip* sizeGrip_ = nullptr;
  QtResizableWindow window_;
  app::CResizer resizer_;
  bool ready_ = false;
};

}  // namespace ui::qt

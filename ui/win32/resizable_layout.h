// What makes a Win32 dialog resizable: the size grip in its lower right
// corner, the resizer that keeps its controls anchored, and its initial size
// kept as the smallest it may become.
#pragma once

#include <windows.h>

#include <vector>

#include "app/resizer.h"
#include "ui/win32/win32_controls.h"

namespace ui::win32 {

class ResizableLayout {
 public:
  // Captures the controls' rectangles and the dialog's size; call it as soon
  // as the dialog and its controls exist.
  void Init(HWND dialog, const std::vector<app::ResizeRule>& rules);
  // Until the grip exists, a resize moves nothing.
  void CreateSizeGrip(HINSTANCE instance);
  // WM_SIZE, after the default processing.
  void OnSize();
  // WM_GETMINMAXINFO.
  void OnGetMinMaxInfo(MINMAXINFO& info) const;

 private:
  HWND dialog_ = nullptr;
  HWND sizeGrip_ = nullptr;
  Win32ResizableWindow window_;
  app::CResizer resizer_;
  bool layoutReady_ = false;
  SIZE minimumTrackSize_{};
};

}  // namespace ui::win32

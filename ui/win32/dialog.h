// A small base for modal dialogs made from templates: the static dialog
// procedure finds the dialog object and forwards every message to it.
#pragma once

#include <windows.h>

namespace ui::win32 {

class Dialog {
 public:
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog() = default;

  INT_PTR DoModal(HWND parent);
  HWND Handle() const { return hwnd_; }

 protected:
  Dialog(HINSTANCE instance, int templateId) : instance_(instance), templateId_(templateId) {}
  // Returns what the dialog procedure returns: TRUE for a handled message.
  virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  HINSTANCE Instance() const { return instance_; }

 private:
  static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  int templateId_;
  HWND hwnd_ = nullptr;
};

}  // namespace ui::win32

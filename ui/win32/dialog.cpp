#include "ui/win32/dialog.h"

namespace ui::win32 {

INT_PTR Dialog::DoModal(HWND parent) {
  return DialogBoxParamW(instance_, MAKEINTRESOURCEW(templateId_), parent, &Dialog::StaticProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  // Messages that arrive before WM_INITDIALOG (WM_SETFONT and the like) get
  // the default handling.
  if (!self) return FALSE;
  const INT_PTR result = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace ui::win32

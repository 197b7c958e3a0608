#include "ui/win32/resizable_layout.h"

namespace ui::win32 {

namespace {
constexpr int kSizeGrip = 11;
}  // namespace

void ResizableLayout::Init(HWND dialog, const std::vector<app::ResizeRule>& rules) {
  dialog_ = dialog;
  window_.Attach(dialog);
  layoutReady_ = resizer_.Init(window_, rules.data(), static_cast<int>(rules.size()));
  RECT window{};
  GetWindowRect(dialog, &window);
  minimumTrackSize_ = SIZE{window.right - window.left, window.bottom - window.top};
}

void ResizableLayout::CreateSizeGrip(HINSTANCE instance) {
  RECT client{};
  GetClientRect(dialog_, &client);
  sizeGrip_ = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBS_SIZEGRIP,
                              client.right - kSizeGrip, client.bottom - kSizeGrip, kSizeGrip, kSizeGrip, dialog_,
                              nullptr, instance, nullptr);
}

void ResizableLayout::OnSize() {
  if (!sizeGrip_) return;
  RECT client{};
  GetClientRect(dialog_, &client);
  SetWindowPos(sizeGrip_, nullptr, client.right - kSizeGrip, client.bottom - kSizeGrip, kSizeGrip, kSizeGrip,
               SWP_NOZORDER | SWP_SHOWWINDOW);
  if (layoutReady_) resizer_.Layout();
}

void ResizableLayout::OnGetMinMaxInfo(MINMAXINFO& info) const {
  if (!layoutReady_) return;
  info.ptMinTrackSize.x = minimumTrackSize_.cx;
  info.ptMinTrackSize.y = minimumTrackSize_.cy;
}

}  // namespace ui::win32

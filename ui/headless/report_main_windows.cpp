// VeloInspectReport.exe: a console program. The OpenGL probe makes its
// contexts on a window, so the command keeps a hidden one for it.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/headless/report_command.h"

namespace {

class HiddenWindow {
 public:
  explicit HiddenWindow(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"VeloInspectReportWindow";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"VeloInspectReport", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64,
                              nullptr, nullptr, instance, nullptr);
  }
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;
  ~HiddenWindow() {
    if (window_) DestroyWindow(window_);
  }
  std::uintptr_t Handle() const { return reinterpret_cast<std::uintptr_t>(window_); }

 private:
  HWND window_ = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  std::vector<std::wstring> arguments(argv + 1, argv + argc);
  HiddenWindow window(GetModuleHandleW(nullptr));
  return ui::headless::RunReportCommand(L"VeloInspectReport", arguments, window.Handle());
}

// A test helper for the Windows build under Wine: waits for a top-level
// window with the given title and prints what a user sees of it, one line per
// control, read back through the system's own calls:
//   window|<title>|<class>
//   control|<id>|<class>|<text>|<style in hex>
//
// With --syscommand ID it then sends the window that system command, as
// choosing a system menu item does; with --close it sends it WM_CLOSE.
// Exit status 1 when no such window appears within the time given.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), bytes, nullptr, nullptr);
  return out;
}

std::wstring Text(HWND window) {
  wchar_t buffer[1024] = {};
  // WM_GETTEXT reads other processes' controls, which GetWindowText does not.
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

std::wstring ClassOf(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
  if (GetParent(child) != reinterpret_cast<HWND>(parent)) return TRUE;
  std::printf("control|%d|%s|%s|%08lx\n", GetDlgCtrlID(child), Utf8(ClassOf(child)).c_str(), Utf8(Text(child)).c_str(),
              static_cast<unsigned long>(GetWindowLongW(child, GWL_STYLE)));
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 2) {
    std::fputs("usage: inspect_window TITLE [SECONDS] [--syscommand ID | --close]\n", stderr);
    return 2;
  }
  const double seconds = argc > 2 ? std::wcstod(argv[2], nullptr) : 20.0;
  HWND window = nullptr;
  for (int waited = 0; waited <= seconds * 10; ++waited) {
    window = FindWindowW(nullptr, argv[1]);
    if (window && IsWindowVisible(window)) break;
    window = nullptr;
    Sleep(100);
  }
  if (!window) return 1;
  std::printf("window|%s|%s\n", Utf8(Text(window)).c_str(), Utf8(ClassOf(window)).c_str());
  EnumChildWindows(window, &PrintChild, reinterpret_cast<LPARAM>(window));
  std::fflush(stdout);
  if (argc > 4 && std::wcscmp(argv[3], L"--syscommand") == 0) {
    PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(std::wcstoul(argv[4], nullptr, 0)), 0);
  } else if (argc > 3 && std::wcscmp(argv[3], L"--close") == 0) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return 0;
}

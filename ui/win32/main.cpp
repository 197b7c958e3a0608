// VeloInspect for Windows: the main dialog, run modally; the process ends
// when it closes. The program reads no command line.
#include <windows.h>
#include <commctrl.h>

#include "app/veloinspect_dlg.h"
#include "platform/platform.h"
#include "ui/win32/main_dialog_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  const auto host = platform::CreateHostPlatform();
  ui::win32::MainDialog window(instance);
  CVeloInspectDlg dialog(host->Get(), window);
  window.Run(dialog);
  return 0;
}

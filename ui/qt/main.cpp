// VeloInspect for Linux: the main dialog, run modally; the process ends when
// it closes. The program reads no command line.
#include <QApplication>

#include "app/veloinspect_dlg.h"
#include "platform/platform.h"
#include "ui/qt/main_dialog_qt.h"
#include "ui/qt/qt_controls.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const auto host = platform::CreateHostPlatform();

  ui::qt::QtMessageBox messages;
  ui::qt::MainDialog window(messages);
  messages.SetParent(&window);
  CVeloInspectDlg dialog(host->Get(), window);
  if (!window.Start(dialog)) return 0;
  window.exec();
  return 0;
}

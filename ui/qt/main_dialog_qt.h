// The main window of the Linux build: template 102 made of Qt widgets. It is
// passive: it shows what the logic hands it and forwards user actions to the
// logic's handlers.
#pragma once

#include <QDialog>
#include <QList>
#include <memory>

#include "app/main_dialog_view.h"
#include "ui/qt/resizable_window_qt.h"
#include "ui/qt/qt_controls.h"

class QComboBox;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace ui::qt {

class MainDialog final : public QDialog, public app::MainDialogView {
 public:
  explicit MainDialog(ui::MessageBoxes& messages, QWidget* parent = nullptr);
  ~MainDialog() override;

  // Runs the logic's initialisation and shows the window; false when the
  // initialisation ended the dialog, which then never appears.
  bool Start(app::MainDialogCommands& commands);

  // The menu that stands in for the system menu: a window manager gives no
  // program a way into its own, so the commands open from a right click on
  // the dialog or from Alt+Space.
  QMenu* SystemMenu() const { return systemMenu_; }

  ui::ComboBox& VersionSelector() override { return versionSelector_; }
  ui::ListView& StatusList() override { return statusList_; }
  ui::Button& CreateReportButton() override { return createReport_; }
  ui::Button& SysInfoButton() override { return sysInfo_; }
  ui::MessageBoxes& Messages() override { return messages_; }
  bool AppendSystemMenuCommand(unsigned id, const std::wstring& text) override;
  bool CreateToolTips() override { return true; }
  void AddToolTip(int controlId, const std::wstring& text) override;
  void ShowAboutBox() override;
  void RunSysInfoDialog(ui::CategorySource& parent, const std::wstring& extensionsText,
                        const std::wstring& versionText) override;
  void EndDialog(int result) override;
  // Linux reaches OpenGL without a window.
  std::uintptr_t NativeHandle() const override { return 0; }

  bool Ended() const { return ended_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QComboBox* combo_;
  QTreeWidget* tree_;
  QPushButton* createReportButton_;
  QPushButton* sysInfoButton_;
  QMenu* systemMenu_;
  QtResizableLayout layout_;
  QtComboBox versionSelector_;
  QtListView statusList_;
  QtButton createReport_;
  QtButton sysInfo_;
  ui::MessageBoxes& messages_;
  app::MainDialogCommands* commands_ = nullptr;
  bool ended_ = false;
};

}  // namespace ui::qt

// The main window of the Windows build: dialog template 102 and its
// controls. It is passive: it shows what the logic hands it and forwards the
// user's commands to the logic's handlers.
#pragma once

#include "app/main_dialog_view.h"
#include "app/resizer.h"
#include "ui/win32/dialog.h"
#include "ui/win32/resizable_layout.h"
#include "ui/win32/win32_controls.h"

namespace ui::win32 {

class MainDialog final : public Dialog, public app::MainDialogView {
 public:
  explicit MainDialog(HINSTANCE instance);
  ~MainDialog() override;

  INT_PTR Run(app::MainDialogCommands& commands);

  ui::ComboBox& VersionSelector() override { return versionSelector_; }
  ui::ListView& StatusList() override { return statusList_; }
  ui::Button& CreateReportButton() override { return createReport_; }
  ui::Button& SysInfoButton() override { return sysInfo_; }
  ui::MessageBoxes& Messages() override { return messages_; }
  bool AppendSystemMenuCommand(unsigned id, const std::wstring& text) override;
  bool CreateToolTips() override;
  void AddToolTip(int controlId, const std::wstring& text) override;
  void ShowAboutBox() override;
  void RunSysInfoDialog(ui::CategorySource& parent, const std::wstring& extensionsText,
                        const std::wstring& versionText) override;
  void EndDialog(int result) override;
  std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(Handle()); }

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnInitDialog();
  void OnPaint();
  void OnCommand(WORD id, WORD code);

  app::MainDialogCommands* commands_ = nullptr;
  HICON icon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HWND toolTip_ = nullptr;
  Win32ComboBox versionSelector_;
  Win32ListView statusList_;
  Win32Button createReport_;
  Win32Button sysInfo_;
  Win32MessageBox messages_;
  ResizableLayout layout_;
};

}  // namespace ui::win32

// The main dialog's logic: start-up, the version selector, the status list
// and its busy animation, and the command handlers. It owns the information
// model and reaches its window only through MainDialogView.
#pragma once

#include <string>

#include "app/main_dialog_view.h"
#include "model/sys_info.h"
#include "platform/platform.h"

class CVeloInspectDlg final : public app::MainDialogCommands {
 public:
  CVeloInspectDlg(const platform::Platform& host, app::MainDialogView& view);

  bool OnInitDialog() override;
  void OnVersionSelected() override;
  void OnSysInfo() override;
  void OnCreateReport() override;
  void OnClose() override;
  bool OnSysCommand(unsigned id) override;

  // Operations the collections call.
  void ShowProgress(std::wstring description);
  void ResetStatus(std::wstring description);
  void FinishStatus(std::wstring description);
  std::wstring GetSelectedVersionText() const;
  bool ReadConfig();
  void AddResult(std::wstring display, std::wstring value, InfoCategory category);

  const CSysInfo& Model() const { return sysInfo_; }
  CSysInfo& Model() { return sysInfo_; }
  bool SystemInfoCollected() const { return systemInfoCollected_; }

 private:
  // The title of every message box of the program: the executable's file
  // name without its extension.
  std::wstring ProgramName() const;
  void ShowError(const std::wstring& message);

  const platform::Platform& host_;
  app::MainDialogView& view_;
  CSysInfo sysInfo_;
  bool systemInfoCollected_ = false;
};

// The result a dialog ends with when it is cancelled or closed.
inline constexpr int kDialogCancel = 2;

// The main dialog's logic: start-up, the version selector, the status list
// and its busy animation, and the command handlers. It owns the information
// model and reaches its window only through MainDialogView.
#pragma once

#include <string>

#include "app/main_dialog_view.h"
#include "model/notifier.h"
#include "model/sys_info.h"
#include "platform/platform.h"
#include "product/installed_versions.h"
#include "ui/sysinfo_dlg.h"

class CVeloInspectDlg final : public app::MainDialogCommands, public CollectionSink, public ui::CategorySource {
 public:
  CVeloInspectDlg(const platform::Platform& host, app::MainDialogView& view);

  bool OnInitDialog() override;
  void OnVersionSelected() override;
  void OnSysInfo() override;
  void OnCreateReport() override;
  void OnClose() override;
  bool OnSysCommand(unsigned id) override;

  // Operations the collections call.
  void ShowProgress(std::wstring description) override;
  void ResetStatus(std::wstring description) override;
  void FinishStatus(std::wstring description) override;
  void AddResult(std::wstring display, std::wstring value, InfoCategory category) override;
  // A message box without an icon under the program's name.
  void Notify(const std::wstring& message) override;
  std::wstring GetSelectedVersionText() const;
  bool ReadConfig();
  void FindInstalledVersions();
  void CollectProductSettings();
  void CollectSystemInfo();
  void WriteSummaryReport();
  // The entries of one category for the system information dialog; the
  // hardware category's graphics driver dates are rewritten in the model.
  void GetCategoryEntries(std::int32_t category, InfoEntryList& entries) override;

  const CSysInfo& Model() const { return sysInfo_; }
  CSysInfo& Model() { return sysInfo_; }
  bool SystemInfoCollected() const { return systemInfoCollected_; }
  const VersionList& Versions() const { return versions_; }
  const std::wstring& LastInstalledVersion() const { return lastInstalledVersion_; }
  const std::wstring& OpenGLExtensions() const { return openGLExtensions_; }

 private:
  // The title of every message box of the program: the executable's file
  // name without its extension.
  std::wstring ProgramName() const;
  void ShowError(const std::wstring& message);
  // The version the selector's current item stands for; null when nothing
  // is selected.
  const CVeloVersion* SelectedVersion() const;

  const platform::Platform& host_;
  app::MainDialogView& view_;
  CSysInfo sysInfo_;
  VersionList versions_;
  std::wstring lastInstalledVersion_;
  std::wstring openGLExtensions_;
  bool systemInfoCollected_ = false;
};

// The result a dialog ends with when it is cancelled or closed.
inline constexpr int kDialogCancel = 2;

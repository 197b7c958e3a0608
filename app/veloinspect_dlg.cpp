#include "app/veloinspect_dlg.h"

#include <array>
#include <utility>

#include "app/about_box.h"
#include "app/status_animation.h"
#include "base/text.h"
#include "model/config_reader.h"
#include "product/product_settings.h"
#include "report/summary_report.h"
#include "sysinfo/collect_system_info.h"
#include "ui/resource.h"

namespace {

constexpr int kStatusColumn = 0;
constexpr int kDescriptionColumn = 1;

const wchar_t* const kConfigMissingMessage =
    L"Error: The 'config.xml' could not be read.  Please make sure this file is available.  "
    L"This program will now close.";

struct ToolTip {
  int controlId;
  const wchar_t* text;
};

constexpr std::array<ToolTip, 3> kToolTips = {{
    {IDC_VERSION_COMBO, L"Select a Velotrace version"},
    {IDC_CREATE_REPORT, L"Produce a report for Velotrace Support"},
    {IDC_SYSINFO_BUTTON, L"Collect system information"},
}};

}  // namespace

CVeloInspectDlg::CVeloInspectDlg(const platform::Platform& host, app::MainDialogView& view)
    : host_(host), view_(view) {}

bool CVeloInspectDlg::OnInitDialog() {
  view_.AppendSystemMenuCommand(IDM_ABOUTBOX, app::kAboutMenuText);

  const platform::HResult hr = host_.process.InitializeApartment();
  if (hr != platform::kOk) {
    ShowError(L"Error: CoInitializeEx failed with code " + std::to_wstring(hr));
  }

  if (ReadConfig()) {
    ui::ListView& list = view_.StatusList();
    list.AttachStatusImages();
    const int half = list.GetWindowWidth() / 2;
    list.InsertColumn(kStatusColumn, L"Status", half);
    list.InsertColumn(kDescriptionColumn, L"Description", half);
    FindInstalledVersions();
  } else {
    ShowError(kConfigMissingMessage);
    view_.EndDialog(kDialogCancel);
  }

  if (!view_.CreateToolTips()) return true;
  for (const ToolTip& tip : kToolTips) view_.AddToolTip(tip.controlId, tip.text);
  return true;
}

void CVeloInspectDlg::OnVersionSelected() {
  ui::ListView& list = view_.StatusList();
  list.DeleteAllItems();
  sysInfo_.EmptyProductResults();
  CollectProductSettings();
  list.InsertItem(0, L"Ok", app::kImageOk);
  list.SetItemText(0, kDescriptionColumn, L"Velotrace version info updated");
  list.RepaintNow(0);
  view_.SysInfoButton().Enable(true);
}

// The collection runs once per program run; later clicks show what was
// collected together with the product results of the version chosen since.
// The report can be written once the results have been looked at.
void CVeloInspectDlg::OnSysInfo() {
  if (!systemInfoCollected_) {
    CollectSystemInfo();
    systemInfoCollected_ = true;
  }
  view_.RunSysInfoDialog(*this, openGLExtensions_, text::LowerAscii(GetSelectedVersionText()));
  view_.CreateReportButton().Enable(true);
  view_.SysInfoButton().Enable(false);
}

void CVeloInspectDlg::OnCreateReport() { WriteSummaryReport(); }

void CVeloInspectDlg::WriteSummaryReport() {
  // The file is named after the selected item's own text; "None" stands for
  // no selection only in what the collections are told.
  const ui::ComboBox& selector = view_.VersionSelector();
  const int selected = selector.GetCurSel();
  const std::optional<std::wstring> item =
      selected < 0 ? std::nullopt : std::optional<std::wstring>(selector.GetItemText(selected));
  const report::ReportOutcome outcome =
      report::WriteSummaryReport(sysInfo_.results, systemInfoCollected_, item, host_.clock, host_.outputs);
  if (!outcome.created) {
    ShowError(outcome.text);
    return;
  }
  ui::ListView& list = view_.StatusList();
  list.InsertItem(list.GetItemCount(), outcome.text, ui::kNoImage);
}

void CVeloInspectDlg::OnClose() {
  view_.EndDialog(kDialogCancel);
  host_.process.UninitializeApartment();
}

bool CVeloInspectDlg::OnSysCommand(unsigned id) {
  if ((id & 0xFFF0u) != IDM_ABOUTBOX) return false;
  view_.ShowAboutBox();
  return true;
}

void CVeloInspectDlg::ShowProgress(std::wstring description) {
  ui::ListView& list = view_.StatusList();
  const int frame = app::TakeAnimationFrame();
  if (list.GetItemCount() == 0) return;
  list.SetItemText(0, kDescriptionColumn, description);
  list.SetItemText(0, kStatusColumn, L"Collecting...");
  list.SetItemImage(0, frame);
  list.RepaintNow(0);
}

void CVeloInspectDlg::ResetStatus(std::wstring description) {
  ui::ListView& list = view_.StatusList();
  list.DeleteAllItems();
  list.InsertItem(0, std::wstring(), ui::kNoImage);
  list.SetItemText(0, kDescriptionColumn, description);
  list.RepaintNow(0);
}

void CVeloInspectDlg::FinishStatus(std::wstring description) {
  ui::ListView& list = view_.StatusList();
  if (list.GetItemCount() == 0) return;
  list.SetItemText(0, kStatusColumn, L"Ok");
  list.SetItemImage(0, app::kImageOk);
  list.SetItemText(0, kDescriptionColumn, description);
  list.RepaintNow(0);
}

std::wstring CVeloInspectDlg::GetSelectedVersionText() const {
  const ui::ComboBox& selector = view_.VersionSelector();
  const int selected = selector.GetCurSel();
  if (selected < 0) return L"None";
  return selector.GetItemText(selected);
}

bool CVeloInspectDlg::ReadConfig() { return ::ReadConfig(host_.xml, host_.process, host_.console, sysInfo_); }

// The selector is filled in the order of the versions, so that item i
// stands for version i.
void CVeloInspectDlg::FindInstalledVersions() {
  InstalledVersions found = ReadInstalledVersions(host_.registry, *this);
  versions_ = std::move(found.versions);
  lastInstalledVersion_ = std::move(found.lastInstalledVersion);
  ui::ComboBox& selector = view_.VersionSelector();
  for (const auto& version : versions_) selector.AddString(version->name);
  if (found.preselected >= 0) selector.SetCurSel(found.preselected);
  CollectProductSettings();
}

void CVeloInspectDlg::CollectProductSettings() {
  ::CollectProductSettings(*this, sysInfo_, SelectedVersion(), GetSelectedVersionText(), host_.files, host_.versions);
}

void CVeloInspectDlg::CollectSystemInfo() {
  SystemInfoContext context{*this, sysInfo_, host_, view_.NativeHandle(), openGLExtensions_};
  ::CollectSystemInfo(context);
}

void CVeloInspectDlg::GetCategoryEntries(std::int32_t category, InfoEntryList& entries) {
  ui::GetCategoryEntries(sysInfo_, category, entries);
}

const CVeloVersion* CVeloInspectDlg::SelectedVersion() const {
  const int selected = view_.VersionSelector().GetCurSel();
  if (selected < 0 || static_cast<std::size_t>(selected) >= versions_.size()) return nullptr;
  return versions_[static_cast<std::size_t>(selected)].get();
}

void CVeloInspectDlg::AddResult(std::wstring display, std::wstring value, InfoCategory category) {
  sysInfo_.AddResult(std::move(display), std::move(value), category);
}

std::wstring CVeloInspectDlg::ProgramName() const {
  std::wstring name = host_.process.ExecutablePath();
  const std::size_t slash = name.rfind(host_.process.PathSeparator());
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return name;
}

void CVeloInspectDlg::Notify(const std::wstring& message) {
  view_.Messages().Show(message, ProgramName(), ui::MessageIcon::None);
}

void CVeloInspectDlg::ShowError(const std::wstring& message) {
  view_.Messages().Show(message, ProgramName(), ui::MessageIcon::Error);
}

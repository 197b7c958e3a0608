#include "product/product_settings.h"

#include "base/text.h"
#include "product/addin_survey.h"
#include "product/product_config.h"
#include "product/version_resource.h"

namespace {

const wchar_t* const kProgress = L"Velotrace Settings";

void AddAll(MainWindowServices& window, const InfoEntryList& entries) {
  for (const InfoEntry& entry : entries) window.AddResult(entry.display, entry.value, CategoryProduct);
}

}  // namespace

bool IsAddInEdition(const std::wstring& selectedVersionText) {
  return text::LowerAscii(selectedVersionText).find(L"solidworks") != std::wstring::npos;
}

void CollectProductSettings(MainWindowServices& window, CSysInfo& model, const CVeloVersion* selected,
                            platform::FileSystem& files, platform::VersionResources& resources) {
  const bool addInEdition = IsAddInEdition(window.GetSelectedVersionText());
  for (const auto& item : model.productItems) {
    if (!item) continue;
    const std::wstring& name = item->name;
    if (name == L"VERSION") {
      if (addInEdition) continue;
      window.ShowProgress(kProgress);
      // Without a selection there is nothing more to collect at all.
      if (!selected) return;
      const std::wstring base = BaseDirectory(selected);
      VersionResourceInfo info;
      if (!base.empty() && ReadVersionResource(resources, base + L"velotrace.exe", info)) {
        window.AddResult(L"Velotrace Version", FormatFileVersion(info), CategoryProduct);
      }
    } else if (name == L"CONFIG") {
      window.ShowProgress(kProgress);
      AddAll(window, ReadProductConfigFile(files, selected));
    } else if (name == L"CHOOKS") {
      window.ShowProgress(kProgress);
      AddAll(window, SurveyAddIns(files, resources, selected));
    } else if (name == L"FT") {
      window.ShowProgress(kProgress);
      AddAll(window, ListFunctionTables(files, selected));
    }
  }
  if (addInEdition) CollectModuleVersions(window, model, selected, resources);
}

void CollectModuleVersions(MainWindowServices& window, CSysInfo& model, const CVeloVersion* selected,
                           platform::VersionResources& resources) {
  const std::wstring base = BaseDirectory(selected);
  if (base.empty()) return;
  for (const auto& item : model.addInItems) {
    if (!item || item->name != L"MODULE") continue;
    for (InfoEntry& entry : item->entries) {
      VersionResourceInfo info;
      if (!ReadVersionResource(resources, base + entry.display, info)) continue;
      entry.value = FormatFileVersion(info);
      window.AddResult(entry.display, entry.value, CategoryAddIn);
    }
  }
}

#include "product/product_settings.h"

#include "model/edition.h"
#include "product/addin_survey.h"
#include "product/product_config.h"
#include "readers/version_resource.h"

namespace {

const wchar_t* const kProgress = L"Velotrace Settings";

void AddAll(CollectionSink& sink, const InfoEntryList& entries) {
  for (const InfoEntry& entry : entries) sink.AddResult(entry.display, entry.value, CategoryProduct);
}

}  // namespace

void CollectProductSettings(CollectionSink& sink, CSysInfo& model, const CVeloVersion* selected,
                            const std::wstring& selectedVersionText, platform::FileSystem& files,
                            platform::VersionResources& resources) {
  const bool addInEdition = IsAddInEdition(selectedVersionText);
  for (const auto& item : model.productItems) {
    if (!item) continue;
    const std::wstring& name = item->name;
    if (name == L"VERSION") {
      if (addInEdition) continue;
      sink.ShowProgress(kProgress);
      // Without a selection there is nothing more to collect at all.
      if (!selected) return;
      const std::wstring base = BaseDirectory(selected);
      VersionResourceInfo info;
      if (!base.empty() && ReadVersionResource(resources, base + L"velotrace.exe", info)) {
        sink.AddResult(L"Velotrace Version", FormatFileVersion(info), CategoryProduct);
      }
    } else if (name == L"CONFIG") {
      sink.ShowProgress(kProgress);
      AddAll(sink, ReadProductConfigFile(files, selected));
    } else if (name == L"CHOOKS") {
      sink.ShowProgress(kProgress);
      AddAll(sink, SurveyAddIns(files, resources, selected));
    } else if (name == L"FT") {
      sink.ShowProgress(kProgress);
      AddAll(sink, ListFunctionTables(files, selected));
    }
  }
  if (addInEdition) CollectModuleVersions(sink, model, selected, resources);
}

void CollectModuleVersions(CollectionSink& sink, CSysInfo& model, const CVeloVersion* selected,
                           platform::VersionResources& resources) {
  const std::wstring base = BaseDirectory(selected);
  if (base.empty()) return;
  for (const auto& item : model.addInItems) {
    if (!item || item->name != L"MODULE") continue;
    for (InfoEntry& entry : item->entries) {
      VersionResourceInfo info;
      if (!ReadVersionResource(resources, base + entry.display, info)) continue;
      entry.value = FormatFileVersion(info);
      sink.AddResult(entry.display, entry.value, CategoryAddIn);
    }
  }
}

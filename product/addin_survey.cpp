#include "product/addin_survey.h"

#include "base/text.h"

namespace {

bool NamesMaker(const std::wstring& value) { return text::UpperAscii(value).find(L"BRENNICK") != std::wstring::npos; }

void SurveyFolder(platform::FileSystem& files, platform::VersionResources& resources, const std::wstring& pattern,
                  const wchar_t* display, InfoEntryList& entries) {
  for (const platform::FoundFile& found : files.Find(pattern)) {
    if (found.directory) continue;
    VersionResourceInfo info;
    if (CheckMakerFile(resources, found.path, info) == Maker) continue;
    entries.push_back({display, found.name});
    entries.push_back({L"File Version", FormatFileVersion(info)});
  }
}

}  // namespace

MakerCheck CheckMakerFile(platform::VersionResources& resources, const std::wstring& path, VersionResourceInfo& info) {
  if (!ReadVersionResource(resources, path, info)) return NoVersionInfo;
  return NamesMaker(info.companyName) || NamesMaker(info.legalCopyright) ? Maker : NotMaker;
}

// An empty directory would turn the searches into ones below the root of
// the current drive; such a version has nothing to search.
std::wstring BaseDirectory(const CVeloVersion* selected) {
  if (!selected || selected->directory.empty()) return std::wstring();
  std::wstring base = selected->directory;
  if (base.back() != L'\\') base += L'\\';
  return base;
}

InfoEntryList SurveyAddIns(platform::FileSystem& files, platform::VersionResources& resources,
                           const CVeloVersion* selected) {
  InfoEntryList entries;
  const std::wstring base = BaseDirectory(selected);
  if (base.empty()) return entries;
  SurveyFolder(files, resources, base + L"apps\\*.dll", L"Non-Velotrace App", entries);
  SurveyFolder(files, resources, base + L"chooks\\*.dll", L"Non-Velotrace C-Hook", entries);
  return entries;
}

InfoEntryList ListFunctionTables(platform::FileSystem& files, const CVeloVersion* selected) {
  InfoEntryList entries;
  const std::wstring base = BaseDirectory(selected);
  if (base.empty()) return entries;
  for (const platform::FoundFile& found : files.Find(base + L"chooks\\*.ft")) {
    if (!found.directory) entries.push_back({L"Function Table", found.name});
  }
  return entries;
}

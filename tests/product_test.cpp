#include <gtest/gtest.h>

#include "app/veloinspect_dlg.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_machine.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_sink.h"
#include "product/addin_survey.h"
#include "product/installed_versions.h"
#include "product/product_config.h"
#include "product/product_settings.h"
#include "readers/registry_holder.h"
#include "readers/version_resource.h"

namespace {

const std::wstring kUninstall = L"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const std::wstring kMachineMaker = L"HKLM\\SOFTWARE\\BRENNICK, INC.";
const std::wstring kUserMaker = L"HKCU\\SOFTWARE\\BRENNICK, INC.";

std::wstring Describe(const VersionList& versions) {
  std::wstring out;
  for (const auto& v : versions) {
    out += v->name + L" | " + v->directory + L" | " + v->userDir + L" | " + v->sharedDir + L" | " + v->startupUnits + L"\n";
  }
  return out;
}

TEST(IsVelotraceDisplayName, MatchesTheLowerCasedInstallationNames) {
  struct Case {
    std::wstring name;
    bool want;
  };
  const Case cases[] = {
      {L"velotrace 2023", true},         {L"velotrace x9", true},
      {L"velotrace 2023 for solidworks", true}, {L"velotrace for solidworks 2023", false},
      {L"velotrace", false},              {L"velotrace ", false},
      {L"velotrace  2023", false},        {L"avelotrace 2023", false},
      {L"velotrace 7\nnext line", false}, {L"velotrace xx", true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsVelotraceDisplayName(c.name), c.want) << std::string(c.name.begin(), c.name.end());
}

// The main dialog's discovery over a registry of the test's own: what the
// registry holds, what the selector shows, what the user is told.
struct Discovery {
  fakes::FakePlatform machine;
  fakes::FakeRegistry& registry = machine.registry;
  fakes::FakeMainDialogView view;
  fakes::FakeComboBox& selector = view.versionSelector;
  fakes::RecordingMessageBox& messages = view.messages;
  CVeloInspectDlg dialog{machine.host, view};
  const VersionList& versions = dialog.Versions();
  const std::wstring& last = dialog.LastInstalledVersion();

  void Entry(const std::wstring& subkey, const std::wstring& displayName) {
    registry.SetText(kUninstall + L"\\" + subkey, L"DisplayName", displayName);
  }
  void Run() { dialog.FindInstalledVersions(); }
};

TEST(FindInstalledVersions, ListsMatchingEntriesWithTheirUserSettingsInEnumerationOrder) {
  Discovery d;
  d.registry.SetText(kMachineMaker, L"LastInstalledVersion", L"Velotrace 2024");
  d.Entry(L"{A}", L"Velotrace 2023");
  d.Entry(L"{B}", L"Some Other Program");
  d.Entry(L"{C}", L"VeloTrace 2024");
  d.Entry(L"{D}", L"Velotrace for SOLIDWORKS 2023");
  d.Entry(L"{E}", L"Velotrace 2023 for SOLIDWORKS");
  d.registry.AddKey(kUninstall + L"\\{F} without a display name");
  d.Entry(L"{G}", L"Velotrace X6");
  d.registry.SetText(kUninstall + L"\\{H}", L"DisplayName", std::wstring(300, L'v'));

  d.registry.SetText(kUserMaker + L"\\velotrace 2023", L"Directory", L"C:\\Apps\\Velotrace 2023");
  d.registry.SetText(kUserMaker + L"\\velotrace 2023", L"UserDir", L"C:\\Users\\u\\Velo\\");
  d.registry.SetText(kUserMaker + L"\\velotrace 2023", L"SharedDir", L"\\\\server\\velo");
  d.registry.SetText(kUserMaker + L"\\velotrace 2023", L"Startup-Units", L"M");
  // Key names compare without regard to case; values keep theirs.
  d.registry.SetText(kUserMaker + L"\\VELOTRACE 2024", L"Directory", L"D:\\Velo\\");
  d.registry.SetText(kUserMaker + L"\\VELOTRACE 2024", L"Startup-Units", L"Metric");
  d.registry.SetText(kUserMaker + L"\\velotrace x6", L"Directory", L"");

  d.Run();

  EXPECT_EQ(Describe(d.versions),
            L"velotrace 2023 | C:\\Apps\\Velotrace 2023\\ | C:\\Users\\u\\Velo\\ | \\\\server\\velo | M\n"
            L"velotrace 2024 | D:\\Velo\\ |  |  | \n"
            L"velotrace 2023 for solidworks | ********** | ********** | ********** | **********\n"
            L"velotrace x6 |  |  |  | \n");
  EXPECT_EQ(d.selector.items, (std::vector<std::wstring>{L"velotrace 2023", L"velotrace 2024",
                                                         L"velotrace 2023 for solidworks", L"velotrace x6"}));
  EXPECT_EQ(d.last, L"Velotrace 2024");
  EXPECT_EQ(d.selector.selected, 1);
  EXPECT_TRUE(d.messages.shown.empty());
  EXPECT_EQ(d.registry.OpenHandles(), 0) << "every key opened is closed";
}

TEST(FindInstalledVersions, DuplicatesAreListedTwiceAndTheFirstIsPreselected) {
  Discovery d;
  d.registry.SetText(kMachineMaker, L"LastInstalledVersion", L"velotrace 2023");
  d.Entry(L"one", L"Velotrace 2023");
  d.Entry(L"two", L"Velotrace 2023");
  d.Run();
  EXPECT_EQ(d.versions.size(), 2u);
  EXPECT_EQ(d.selector.items.size(), 2u);
  EXPECT_EQ(d.selector.selected, 0);
}

TEST(FindInstalledVersions, MakerKeyWithoutLastInstalledVersionIsReportedAndDiscoveryGoesOn) {
  struct Case {
    const char* name;
    bool makerKey;
    std::vector<std::uint8_t> last;  // empty: no value
    bool message;
  };
  const Case cases[] = {
      {"no maker key: silent", false, {}, false},
      {"maker key without the value", true, {}, true},
      {"a value too long for its buffer", true, fakes::Utf16Le(std::wstring(260, L'x')), true},
  };
  for (const Case& c : cases) {
    Discovery d;
    if (c.makerKey) d.registry.AddKey(kMachineMaker);
    if (!c.last.empty()) d.registry.SetBytes(kMachineMaker, L"LastInstalledVersion", c.last, platform::kRegSz);
    d.Entry(L"a", L"Velotrace 2023");
    d.Run();
    ASSERT_EQ(d.messages.shown.size(), c.message ? 1u : 0u) << c.name;
    if (c.message) {
      EXPECT_EQ(d.messages.shown[0].text, L"Error - 'LastInstalledVersion' key is missing.");
      EXPECT_EQ(d.messages.shown[0].title, L"VeloInspect");
      EXPECT_EQ(d.messages.shown[0].icon, ui::MessageIcon::None);
    }
    EXPECT_EQ(d.versions.size(), 1u) << c.name;
    EXPECT_EQ(d.selector.selected, -1) << c.name;
  }
}

TEST(FindInstalledVersions, UserValuesBeyondTheirBuffersCountAsMissing) {
  Discovery d;
  d.Entry(L"a", L"Velotrace 2023");
  const std::wstring key = kUserMaker + L"\\velotrace 2023";
  d.registry.SetText(key, L"Directory", std::wstring(259, L'd'));  // 259 characters and the terminator fit
  d.registry.SetText(key, L"UserDir", std::wstring(260, L'u'));
  d.registry.SetText(key, L"Startup-Units", L"Metric");
  d.registry.SetBytes(key, L"SharedDir", fakes::Utf16Le(L"C:\\S", false), platform::kRegExpandSz);
  d.Run();
  ASSERT_EQ(d.versions.size(), 1u);
  EXPECT_EQ(d.versions[0]->directory, std::wstring(259, L'd') + L"\\");
  EXPECT_EQ(d.versions[0]->userDir, L"");
  EXPECT_EQ(d.versions[0]->startupUnits, L"");
  EXPECT_EQ(d.versions[0]->sharedDir, L"C:\\S");
}

// Startup-Units has a buffer of ten bytes: four characters and the terminator.
TEST(FindInstalledVersions, StartupUnitsOfFourCharactersFitAndOfFiveDoNot) {
  const std::pair<std::wstring, std::wstring> cases[] = {{L"I", L"I"}, {L"Inch", L"Inch"}, {L"Metri", L""}};
  for (const auto& [stored, want] : cases) {
    Discovery d;
    d.Entry(L"a", L"Velotrace 2023");
    d.registry.SetText(kUserMaker + L"\\velotrace 2023", L"Startup-Units", stored);
    d.Run();
    ASSERT_EQ(d.versions.size(), 1u);
    EXPECT_EQ(d.versions[0]->startupUnits, want) << std::string(stored.begin(), stored.end());
  }
}

TEST(FindInstalledVersions, NoUninstallKeyLeavesTheSelectorEmpty) {
  Discovery d;
  d.registry.SetText(kMachineMaker, L"LastInstalledVersion", L"velotrace 2023");
  d.Run();
  EXPECT_TRUE(d.versions.empty());
  EXPECT_TRUE(d.selector.items.empty());
  EXPECT_EQ(d.selector.selected, -1);
}

// A text fits its buffer with its terminator; one stored without a
// terminator fits only when it leaves room for one.
TEST(CRegistry, ReadTextNeedsRoomForTheTerminator) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> stored;
    std::optional<std::wstring> want;
  };
  const Case cases[] = {
      {"259 characters and the terminator fill the buffer", fakes::Utf16Le(std::wstring(259, L'a')),
       std::wstring(259, L'a')},
      {"259 characters without a terminator leave room for it", fakes::Utf16Le(std::wstring(259, L'b'), false),
       std::wstring(259, L'b')},
      {"260 characters without a terminator fill the buffer exactly", fakes::Utf16Le(std::wstring(260, L'c'), false),
       std::nullopt},
      {"260 characters and the terminator do not fit", fakes::Utf16Le(std::wstring(260, L'd')), std::nullopt},
  };
  for (const Case& c : cases) {
    fakes::FakeRegistry registry;
    registry.SetBytes(L"HKLM\\K", L"V", c.stored, platform::kRegSz);
    CRegistry holder(registry);
    platform::RegistryKey key = platform::kNoKey;
    ASSERT_EQ(holder.Open(platform::RegistryRoot::LocalMachine, L"K", key), platform::kRegSuccess) << c.name;
    EXPECT_EQ(holder.ReadText(key, L"V", 520), c.want) << c.name;
    holder.Close(key);
  }
}

TEST(ReadVersionResource, FillsNumbersFirstAndNeedsATextUnderTheFirstTranslation) {
  fakes::FakeVersionResources resources;
  resources.Add(L"C:\\a.dll", 10, 0, 1, 2, L"Maker");
  resources.Add(L"C:\\big.dll", 65535, 1, 40000, 7, L"", L"(c) someone");
  resources.Add(L"C:\\long.dll", 1, 2, 3, 4, std::wstring(300, L'c'));
  fakes::FakeVersion otherLanguage;
  otherLanguage.fileVersionMS = 0x00030004;
  otherLanguage.translation = {0x0407, 0x04E4};
  otherLanguage.strings[L"\\StringFileInfo\\040904b0\\CompanyName"] = L"Maker";
  resources.files[L"c:\\other.dll"] = otherLanguage;
  fakes::FakeVersion noTable = otherLanguage;
  noTable.hasTranslation = false;
  resources.files[L"c:\\notable.dll"] = noTable;

  struct Case {
    std::wstring path;
    bool ok;
    std::wstring version;
    std::wstring company;
  };
  const Case cases[] = {
      {L"C:\\a.dll", true, L"10.0.1.2", L"Maker"},
      {L"C:\\big.dll", true, L"65535.1.40000.7", L""},
      {L"C:\\long.dll", true, L"1.2.3.4", std::wstring(259, L'c')},
      {L"C:\\other.dll", false, L"3.4.0.0", L""},
      {L"C:\\notable.dll", false, L"3.4.0.0", L""},
      {L"C:\\missing.dll", false, L"0.0.0.0", L""},
  };
  for (const Case& c : cases) {
    VersionResourceInfo info;
    info.companyName = L"stale";
    EXPECT_EQ(ReadVersionResource(resources, c.path, info), c.ok) << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(FormatFileVersion(info), c.version);
    EXPECT_EQ(info.companyName, c.company);
  }
}

CVeloVersion Version(std::wstring name, std::wstring directory, std::wstring userDir, std::wstring units) {
  CVeloVersion v;
  v.name = std::move(name);
  v.directory = std::move(directory);
  v.userDir = std::move(userDir);
  v.sharedDir = L"S:\\shared";
  v.startupUnits = std::move(units);
  return v;
}

TEST(ProductConfigFilePath, FollowsTheStartupUnitsAndTheUserDirectory) {
  struct Case {
    std::wstring units;
    std::wstring userDir;
    std::wstring want;
  };
  const Case cases[] = {
      {L"e", L"U:\\user\\", L"U:\\user\\config\\velox.config"},
      {L"I", L"U:\\user\\", L"U:\\user\\config\\velox.config"},
      {L"M", L"U:\\user\\", L"U:\\user\\config\\veloxm.config"},
      {L"Metric", L"U:\\user\\", L"U:\\user\\config\\veloxm.config"},
      {L"", L"U:\\user\\", L"U:\\user\\config\\veloxm.config"},
      {CVeloVersion::kPlaceholder, L"U:\\user\\", L"U:\\user\\config\\veloxm.config"},
      {L"E", L"", L"C:\\Velo\\config\\velox.config"},
      {L"E", L"U:\\no-backslash", L"U:\\no-backslashconfig\\velox.config"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProductConfigFilePath(Version(L"velotrace 2023", L"C:\\Velo\\", c.userDir, c.units)), c.want);
  }
}

TEST(ReadProductConfigFile, ReportsDirectoriesAndTheFourSettingsInFileOrder) {
  struct Case {
    const char* name;
    std::wstring versionName;
    std::vector<std::string> lines;
    InfoEntryList settings;  // after the directory entries
  };
  const Case cases[] = {
      {"all four settings",
       L"velotrace 2023",
       {"; comment", "2118. Temp folder ?  <WINTEMPDIR>", "4009. Graphics ?1", "4031.HW accel? y", "4033. Front ?N"},
       {{L"Use Windows temp directory", L"Yes"},
        {L"Graphics support", L"OpenGL"},
        {L"Hardware Acceleration Disabled", L"Yes"},
        {L"Front Buffer Disabled", L"No"}}},
      {"a temp path, unknown values and a line without a question mark",
       L"velotrace 2023",
       {"2118. Temp ?\t D:\\Temp Files \t", "4009. ?2", "4031. x", "4033. ?maybe"},
       {{L"Use Windows temp directory", L"No"},
        {L"Temp directory", L"D:\\Temp Files"},
        {L"Graphics support", L""},
        {L"Hardware Acceleration Disabled", L""},
        {L"Front Buffer Disabled", L""}}},
      {"keys out of order are found only going forward",
       L"velotrace 2023",
       {"4031. ?Y", "2118. ?<WINTEMPDIR>", "4009. ?0", "4033. ?Y"},
       {{L"Use Windows temp directory", L"Yes"}, {L"Graphics support", L"GDI"}}},
      {"the full stop belongs to the key; only the first match counts",
       L"velotrace 2023",
       {"21189 ?<WINTEMPDIR>", " 2118. ?indented", "2118. ?C:\\T", "2118. ?<WINTEMPDIR>", "4009.?0"},
       {{L"Use Windows temp directory", L"No"}, {L"Temp directory", L"C:\\T"}, {L"Graphics support", L"GDI"}}},
      {"the value follows the first question mark, later ones are part of it", L"velotrace 2023",
       {"2118. Temp ? D:\\Why?\\Temp ", "4009. ? 1 ?0"},
       {{L"Use Windows temp directory", L"No"}, {L"Temp directory", L"D:\\Why?\\Temp"}, {L"Graphics support", L""}}},
      {"Latin-1 bytes become the same characters", L"velotrace 2023", {"2118. ?C:\\Temp\xE9"},
       {{L"Use Windows temp directory", L"No"}, {L"Temp directory", L"C:\\Temp\u00E9"}}},
  };
  for (const Case& c : cases) {
    const CVeloVersion version = Version(c.versionName, L"C:\\Velo\\", L"U:\\u\\", L"M");
    fakes::FakeFileSystem files;
    files.AddFile(L"U:\\u\\config\\veloxm.config", c.lines);
    InfoEntryList want = {{L"Install directory", L"C:\\Velo\\"},
                          {L"User directory", L"U:\\u\\"},
                          {L"Shared directory", L"S:\\shared"},
                          {L"Start-up config", L"U:\\u\\config\\veloxm.config"}};
    want.insert(want.end(), c.settings.begin(), c.settings.end());
    EXPECT_EQ(ReadProductConfigFile(files, &version), want) << c.name;
  }
}

TEST(ReadProductConfigFile, X6VersionsHaveNoUserDirectoriesAndAMissingFileAddsNoSettings) {
  fakes::FakeFileSystem files;
  const CVeloVersion x6 = Version(L"velotrace x6", L"C:\\Velo\\", L"", L"E");
  EXPECT_EQ(ReadProductConfigFile(files, &x6),
            (InfoEntryList{{L"Install directory", L"C:\\Velo\\"}, {L"Start-up config", L"C:\\Velo\\config\\velox.config"}}));
  EXPECT_EQ(files.opened, std::vector<std::wstring>{L"C:\\Velo\\config\\velox.config"});
  EXPECT_TRUE(ReadProductConfigFile(files, nullptr).empty());
}

TEST(SurveyAddIns, ReportsOtherMakersLibrariesWithTheirVersions) {
  fakes::FakeFileSystem files;
  fakes::FakeVersionResources resources;
  files.AddFile(L"C:\\Velo\\apps\\ours.dll");
  resources.Add(L"C:\\Velo\\apps\\ours.dll", 1, 0, 0, 0, L"Brennick, Inc.");
  files.AddFile(L"C:\\Velo\\apps\\partner.dll");
  resources.Add(L"C:\\Velo\\apps\\partner.dll", 2, 1, 0, 7, L"Partner Ltd");
  files.AddDirectory(L"C:\\Velo\\apps\\x.dll");
  files.AddFile(L"C:\\Velo\\apps\\plain.DLL");
  files.AddFile(L"C:\\Velo\\apps\\notes.txt");
  files.AddFile(L"C:\\Velo\\chooks\\hook.dll");
  resources.Add(L"C:\\Velo\\chooks\\hook.dll", 3, 0, 0, 1, L"Partner Ltd", L"Copyright brennick 2020");
  files.AddFile(L"C:\\Velo\\chooks\\other.dll");
  resources.Add(L"C:\\Velo\\chooks\\other.dll", 4, 5, 6, 7, L"");  // numbers but no texts
  files.AddFile(L"C:\\Velo\\chooks\\a.ft");
  files.AddFile(L"C:\\Velo\\chooks\\b.FT");
  files.AddDirectory(L"C:\\Velo\\chooks\\dir.ft");

  const CVeloVersion version = Version(L"velotrace 2023", L"C:\\Velo", L"", L"");
  EXPECT_EQ(SurveyAddIns(files, resources, &version),
            (InfoEntryList{{L"Non-Velotrace App", L"partner.dll"},
                           {L"File Version", L"2.1.0.7"},
                           {L"Non-Velotrace App", L"plain.DLL"},
                           {L"File Version", L"0.0.0.0"},
                           {L"Non-Velotrace C-Hook", L"other.dll"},
                           {L"File Version", L"4.5.6.7"}}));
  EXPECT_EQ(files.searches, (std::vector<std::wstring>{L"C:\\Velo\\apps\\*.dll", L"C:\\Velo\\chooks\\*.dll"}));
  EXPECT_EQ(ListFunctionTables(files, &version),
            (InfoEntryList{{L"Function Table", L"a.ft"}, {L"Function Table", L"b.FT"}}));
}

TEST(SurveyAddIns, NoSelectionOrNoDirectorySearchesNothing) {
  fakes::FakeFileSystem files;
  fakes::FakeVersionResources resources;
  const CVeloVersion empty = Version(L"velotrace 2023", L"", L"", L"");
  EXPECT_TRUE(SurveyAddIns(files, resources, nullptr).empty());
  EXPECT_TRUE(SurveyAddIns(files, resources, &empty).empty());
  EXPECT_TRUE(ListFunctionTables(files, &empty).empty());
  EXPECT_TRUE(files.searches.empty());
  CVeloVersion placeholder;
  placeholder.name = L"velotrace 2023";
  EXPECT_TRUE(SurveyAddIns(files, resources, &placeholder).empty());
}

using fakes::RecordingSink;

struct Collection {
  CSysInfo model;
  fakes::FakeFileSystem files;
  fakes::FakeVersionResources resources;
  RecordingSink window;

  Collection(std::initializer_list<const wchar_t*> productNames, std::vector<std::wstring> modules) {
    for (const wchar_t* name : productNames) {
      model.productItems.push_back(std::make_unique<VelotraceSettings>());
      model.productItems.back()->name = name;
    }
    model.addInItems.push_back(std::make_unique<VTfSWSettings>());
    model.addInItems.back()->name = L"MODULE";
    for (const std::wstring& m : modules) model.addInItems.back()->entries.push_back({m, L""});
    resources.Add(L"C:\\Velo\\velotrace.exe", 24, 1, 0, 3, L"Brennick, Inc.");
    resources.Add(L"C:\\Velo\\chooks\\a.dll", 24, 1, 0, 9, L"Brennick, Inc.");
    files.AddFile(L"C:\\Velo\\apps\\partner.dll");
    resources.Add(L"C:\\Velo\\apps\\partner.dll", 2, 0, 0, 0, L"Partner");
    files.AddFile(L"C:\\Velo\\chooks\\t.ft");
  }
};

using Result = std::tuple<std::wstring, std::wstring, InfoCategory>;

TEST(CollectProductSettings, ProductElementsGiveResultsInElementOrder) {
  Collection c({L"VERSION", L"UNKNOWN", L"CHOOKS", L"FT", L"CONFIG"}, {L"chooks\\a.dll"});
    const CVeloVersion version = Version(L"velotrace 2023", L"C:\\Velo\\", L"", L"M");
  CollectProductSettings(c.window, c.model, &version, L"velotrace 2023", c.files, c.resources);
  const std::vector<Result> want = {
      {L"Velotrace Version", L"24.1.0.3", CategoryProduct},
      {L"Non-Velotrace App", L"partner.dll", CategoryProduct},
      {L"File Version", L"2.0.0.0", CategoryProduct},
      {L"Function Table", L"t.ft", CategoryProduct},
      {L"Install directory", L"C:\\Velo\\", CategoryProduct},
      {L"User directory", L"", CategoryProduct},
      {L"Shared directory", L"S:\\shared", CategoryProduct},
      {L"Start-up config", L"C:\\Velo\\config\\veloxm.config", CategoryProduct},
  };
  EXPECT_EQ(c.window.results, want);
  EXPECT_EQ(c.window.progress.size(), 4u);
  EXPECT_EQ(c.model.addInItems[0]->entries[0].value, L"") << "modules are read for the add-in edition only";
}

TEST(CollectProductSettings, TheAddInEditionReportsModulesInsteadOfTheExecutable) {
  Collection c({L"VERSION", L"FT"}, {L"chooks\\a.dll", L"chooks\\missing.dll"});
    const CVeloVersion version = Version(L"velotrace 2023 for solidworks", L"C:\\Velo\\", L"", L"M");
  CollectProductSettings(c.window, c.model, &version, L"velotrace 2023 for SOLIDWORKS", c.files, c.resources);
  const std::vector<Result> want = {
      {L"Function Table", L"t.ft", CategoryProduct},
      {L"chooks\\a.dll", L"24.1.0.9", CategoryAddIn},
  };
  EXPECT_EQ(c.window.results, want);
  EXPECT_EQ(c.model.addInItems[0]->entries[0].value, L"24.1.0.9");
  EXPECT_EQ(c.model.addInItems[0]->entries[1].value, L"");
  EXPECT_EQ(c.window.progress, std::vector<std::wstring>{L"Velotrace Settings"});
}

TEST(CollectProductSettings, NothingSelectedStopsAtTheFirstVersionElement) {
  Collection c({L"FT", L"VERSION", L"CONFIG"}, {L"chooks\\a.dll"});
  CollectProductSettings(c.window, c.model, nullptr, L"None", c.files, c.resources);
  EXPECT_TRUE(c.window.results.empty());
  EXPECT_EQ(c.window.progress, (std::vector<std::wstring>{L"Velotrace Settings", L"Velotrace Settings"}));
  EXPECT_TRUE(c.resources.loaded.empty());
  EXPECT_TRUE(c.files.opened.empty());
}

}  // namespace

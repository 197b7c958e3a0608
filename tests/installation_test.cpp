// The product collection over the machine's real backends, on the demo
// installations the build writes: on Linux the demo Wine prefix (its
// registry files, its drive, the version resources of its PE files), on
// Windows the same keys and files imported into the machine under test.
#include <gtest/gtest.h>

#include "fakes/recording_sink.h"
#include "platform/platform.h"
#include "product/installed_versions.h"
#include "product/product_settings.h"

namespace {

std::wstring Lines(const fakes::RecordingSink& sink) {
  std::wstring lines;
  for (const auto& [display, value, category] : sink.results) {
    lines += std::to_wstring(category) + L" " + display + L" = " + value + L"\n";
  }
  return lines;
}

std::vector<std::wstring> Names(const VersionList& versions) {
  std::vector<std::wstring> names;
  for (const auto& version : versions) names.push_back(version->name);
  return names;
}

struct DemoMachine {
  std::unique_ptr<platform::HostPlatform> host = platform::CreateHostPlatform();
  platform::Registry& registry = host->Get().registry;
  platform::FileSystem& files = host->Get().files;
  platform::VersionResources& versions = host->Get().versions;
};

TEST(DemoPrefix, VersionsAreDiscoveredFromTheRegistryFiles) {
  DemoMachine machine;
  fakes::RecordingSink messages;
  const InstalledVersions found = ReadInstalledVersions(machine.registry, messages);
  const VersionList& versions = found.versions;
  EXPECT_EQ(Names(versions), (std::vector<std::wstring>{L"velotrace 2023", L"velotrace 2024",
                                                        L"velotrace 2024 for solidworks"}));
  EXPECT_EQ(found.preselected, 1);
  EXPECT_TRUE(messages.notices.empty());
  ASSERT_EQ(versions.size(), 3u);
  EXPECT_EQ(versions[0]->directory, L"C:\\Program Files\\Brennick\\Velotrace 2023\\");
  EXPECT_EQ(versions[2]->userDir, L"");
  EXPECT_EQ(versions[2]->startupUnits, L"I");
}

TEST(DemoPrefix, EachVersionYieldsItsProductRows) {
  DemoMachine machine;
  fakes::RecordingSink messages;
  const VersionList versions = ReadInstalledVersions(machine.registry, messages).versions;
  ASSERT_EQ(versions.size(), 3u);

  const std::wstring want[] = {
      L"3 Velotrace Version = 23.0.4.112\n"
      L"3 Install directory = C:\\Program Files\\Brennick\\Velotrace 2023\\\n"
      L"3 User directory = C:\\users\\Public\\Documents\\Velotrace 2023\\\n"
      L"3 Shared directory = C:\\ProgramData\\Brennick\\Shared 2023\\\n"
      L"3 Start-up config = C:\\users\\Public\\Documents\\Velotrace 2023\\config\\veloxm.config\n"
      L"3 Use Windows temp directory = Yes\n"
      L"3 Graphics support = OpenGL\n"
      L"3 Hardware Acceleration Disabled = No\n"
      L"3 Front Buffer Disabled = No\n"
      L"3 Non-Velotrace App = PartnerNest.dll\n"
      L"3 File Version = 3.2.0.15\n"
      L"3 Non-Velotrace C-Hook = LegacyHook.dll\n"
      L"3 File Version = 0.0.0.0\n"
      L"3 Function Table = lathe.FT\n"
      L"3 Function Table = metric-mill.ft\n",
      L"3 Velotrace Version = 24.1.0.2051\n"
      L"3 Install directory = C:\\Program Files\\Brennick\\Velotrace 2024\\\n"
      L"3 User directory = C:\\users\\Public\\Documents\\Velotrace 2024\\\n"
      L"3 Shared directory = C:\\ProgramData\\Brennick\\Shared 2024\\\n"
      L"3 Start-up config = C:\\users\\Public\\Documents\\Velotrace 2024\\config\\velox.config\n"
      L"3 Use Windows temp directory = No\n"
      L"3 Temp directory = D:\\VeloTemp\n"
      L"3 Graphics support = GDI\n"
      L"3 Hardware Acceleration Disabled = Yes\n"
      L"3 Front Buffer Disabled = No\n"
      L"3 Non-Velotrace App = PartnerNest.dll\n"
      L"3 File Version = 3.2.1.40000\n"
      L"3 Non-Velotrace C-Hook = QuickReport.dll\n"
      L"3 File Version = 2.1.0.7\n"
      L"3 Function Table = metric-mill.ft\n",
      L"3 Install directory = C:\\Program Files\\Brennick\\Velotrace 2024 for SOLIDWORKS\\\n"
      L"3 User directory = \n"
      L"3 Shared directory = C:\\ProgramData\\Brennick\\Shared 2024\\\n"
      L"3 Start-up config = C:\\Program Files\\Brennick\\Velotrace 2024 for SOLIDWORKS\\config\\velox.config\n"
      L"3 Use Windows temp directory = Yes\n"
      L"3 Graphics support = OpenGL\n"
      L"4 VelotraceSW.dll = 24.1.0.2051\n"
      L"4 VelotraceSWUI.dll = 24.1.0.2049\n"
      L"4 chooks\\VtSwPost.dll = 24.1.0.2051\n",
  };
  for (std::size_t i = 0; i < versions.size(); ++i) {
    CSysInfo model;
    for (const wchar_t* name : {L"VERSION", L"CONFIG", L"CHOOKS", L"FT"}) {
      model.productItems.push_back(std::make_unique<VelotraceSettings>());
      model.productItems.back()->name = name;
    }
    model.addInItems.push_back(std::make_unique<VTfSWSettings>());
    model.addInItems.back()->name = L"MODULE";
    for (const wchar_t* module : {L"VelotraceSW.dll", L"VelotraceSWUI.dll", L"chooks\\VtSwPost.dll"}) {
      model.addInItems.back()->entries.push_back({module, L""});
    }
    fakes::RecordingSink window;
    CollectProductSettings(window, model, versions[i].get(), versions[i]->name, machine.files, machine.versions);
    const std::wstring lines = Lines(window);
    // Within a folder the order is the file system's, so every expected row
    // is looked for, and nothing else may be there.
    EXPECT_EQ(lines.size(), want[i].size()) << i << "\n" << std::string(lines.begin(), lines.end());
    for (std::size_t start = 0; start < want[i].size();) {
      const std::size_t end = want[i].find(L'\n', start);
      const std::wstring line = want[i].substr(start, end - start + 1);
      EXPECT_NE(lines.find(line), std::wstring::npos) << std::string(line.begin(), line.end());
      start = end + 1;
    }
  }
}

}  // namespace

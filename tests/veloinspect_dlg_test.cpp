#include <gtest/gtest.h>

#include "app/status_animation.h"
#include "app/veloinspect_dlg.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_platform.h"
#include "ui/resource.h"

namespace {

const std::wstring kConfigMessage =
    L"Error: The 'config.xml' could not be read.  Please make sure this file is available.  This program will now close.";

struct Fixture {
  fakes::FakePlatform machine;
  fakes::ScriptedXmlFactory& xml = machine.xml;
  fakes::FakeProcess& process = machine.process;
  fakes::FakeMainDialogView view;
  CVeloInspectDlg dialog{machine.host, view};
};

TEST(OnInitDialog, PreparesTheStatusListToolTipsAndMenu) {
  Fixture f;
  f.view.statusList.windowWidth = 565;
  EXPECT_TRUE(f.dialog.OnInitDialog());

  EXPECT_TRUE(f.view.messages.shown.empty());
  EXPECT_TRUE(f.view.endResults.empty());
  EXPECT_EQ(f.process.initializeCalls, 1);
  EXPECT_TRUE(f.view.statusList.imagesAttached);
  ASSERT_EQ(f.view.statusList.columns.size(), 2u);
  EXPECT_EQ(f.view.statusList.columns[0].heading, L"Status");
  EXPECT_EQ(f.view.statusList.columns[1].heading, L"Description");
  EXPECT_EQ(f.view.statusList.columns[0].width, 282);
  EXPECT_EQ(f.view.statusList.columns[1].width, 282);
  EXPECT_TRUE(f.view.statusList.rows.empty());
  EXPECT_EQ(f.view.toolTips, (std::vector<std::pair<int, std::wstring>>{
                                 {IDC_VERSION_COMBO, L"Select a Velotrace version"},
                                 {IDC_CREATE_REPORT, L"Produce a report for Velotrace Support"},
                                 {IDC_SYSINFO_BUTTON, L"Collect system information"}}));
  EXPECT_EQ(f.view.systemMenu, (std::vector<std::pair<unsigned, std::wstring>>{{16u, L"&About VeloInspect..."}}));
  EXPECT_TRUE(f.view.sysInfo.enabled);
  EXPECT_FALSE(f.view.createReport.enabled);
  EXPECT_EQ(f.dialog.GetSelectedVersionText(), L"None");
}

TEST(OnInitDialog, UnreadableConfigShowsTheErrorAndEndsTheDialog) {
  struct Case {
    const char* name;
    std::wstring exe;
    wchar_t separator;
    std::wstring title;
  };
  const Case cases[] = {
      {"linux executable", L"/opt/velo/VeloInspect", L'/', L"VeloInspect"},
      {"windows executable loses its extension", L"C:\\Program Files\\Velo\\VeloInspect.exe", L'\\', L"VeloInspect"},
      {"renamed copy", L"/home/u/Downloads/velo.inspect.v2", L'/', L"velo.inspect"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.process.executablePath = c.exe;
    f.process.separator = c.separator;
    f.xml.openResult = platform::kFileNotFound;
    EXPECT_TRUE(f.dialog.OnInitDialog()) << c.name;
    ASSERT_EQ(f.view.messages.shown.size(), 1u) << c.name;
    EXPECT_EQ(f.view.messages.shown[0].text, kConfigMessage) << c.name;
    EXPECT_EQ(f.view.messages.shown[0].title, c.title) << c.name;
    EXPECT_EQ(f.view.messages.shown[0].icon, ui::MessageIcon::Error) << c.name;
    EXPECT_EQ(f.view.endResults, std::vector<int>{kDialogCancel}) << c.name;
    // No columns and no images; the remaining steps still run.
    EXPECT_TRUE(f.view.statusList.columns.empty()) << c.name;
    EXPECT_FALSE(f.view.statusList.imagesAttached) << c.name;
    EXPECT_EQ(f.view.toolTips.size(), 3u) << c.name;
  }
}

TEST(OnInitDialog, ApartmentResultOtherThanOkIsShownAndStartUpGoesOn) {
  struct Case {
    platform::HResult result;
    std::wstring text;
  };
  const Case cases[] = {
      {platform::kFalse, L"Error: CoInitializeEx failed with code 1"},
      {platform::MakeFailure(0x80010106u), L"Error: CoInitializeEx failed with code -2147417850"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.process.apartmentResult = c.result;
    f.dialog.OnInitDialog();
    ASSERT_EQ(f.view.messages.shown.size(), 1u);
    EXPECT_EQ(f.view.messages.shown[0].text, c.text);
    EXPECT_EQ(f.view.messages.shown[0].icon, ui::MessageIcon::Error);
    EXPECT_TRUE(f.view.endResults.empty());
    EXPECT_EQ(f.view.statusList.columns.size(), 2u);
  }
}

TEST(OnInitDialog, WorksWithoutToolTipsOrImages) {
  Fixture f;
  f.view.toolTipsAvailable = false;
  f.view.statusList.imagesAvailable = false;
  EXPECT_TRUE(f.dialog.OnInitDialog());
  EXPECT_TRUE(f.view.toolTips.empty());
  EXPECT_EQ(f.view.statusList.columns.size(), 2u);
}

TEST(GetSelectedVersionText, IsTheSelectedItemOrNone) {
  Fixture f;
  EXPECT_EQ(f.dialog.GetSelectedVersionText(), L"None");
  f.view.versionSelector.items = {L"2023.1", L"2024.2"};
  EXPECT_EQ(f.dialog.GetSelectedVersionText(), L"None");
  f.view.versionSelector.selected = 1;
  EXPECT_EQ(f.dialog.GetSelectedVersionText(), L"2024.2");
}

TEST(StatusList, ResetProgressAndFinishDriveRowZero) {
  Fixture f;
  f.dialog.ResetStatus(L"Gathering system Info...");
  ASSERT_EQ(f.view.statusList.rows.size(), 1u);
  const auto& row = f.view.statusList.rows[0];
  EXPECT_EQ(row.status, L"");
  EXPECT_EQ(row.description, L"Gathering system Info...");
  EXPECT_EQ(row.image, ui::kNoImage);

  // The frame lives as long as the process, so the sequence is checked from
  // wherever earlier tests left it: 2 to 13, cycling, one step per call.
  std::vector<int> images;
  for (int i = 0; i < 15; ++i) {
    f.dialog.ShowProgress(L"Hardware");
    images.push_back(f.view.statusList.rows[0].image);
    EXPECT_EQ(f.view.statusList.rows[0].status, L"Collecting...");
    EXPECT_EQ(f.view.statusList.rows[0].description, L"Hardware");
  }
  for (std::size_t i = 0; i < images.size(); ++i) {
    EXPECT_GE(images[i], app::kFirstBusyImage);
    EXPECT_LE(images[i], app::kLastBusyImage);
    if (i > 0) {
      EXPECT_EQ(images[i], images[i - 1] == 13 ? 2 : images[i - 1] + 1) << i;
    }
  }
  EXPECT_EQ(images[12], images[0]);

  f.dialog.FinishStatus(L"System info collected");
  ASSERT_EQ(f.view.statusList.rows.size(), 1u);
  EXPECT_EQ(f.view.statusList.rows[0].status, L"Ok");
  EXPECT_EQ(f.view.statusList.rows[0].image, app::kImageOk);
  EXPECT_EQ(f.view.statusList.rows[0].description, L"System info collected");
  EXPECT_EQ(f.view.statusList.repaints, 1 + 15 + 1);
}

TEST(StatusList, ProgressOnAnEmptyListChangesNothingButAdvancesTheFrame) {
  Fixture f;
  f.dialog.ResetStatus(L"x");
  f.dialog.ShowProgress(L"a");
  const int before = f.view.statusList.rows[0].image;
  f.view.statusList.DeleteAllItems();
  f.dialog.ShowProgress(L"b");
  EXPECT_TRUE(f.view.statusList.rows.empty());
  f.dialog.ResetStatus(L"x");
  f.dialog.ShowProgress(L"c");
  EXPECT_EQ(f.view.statusList.rows[0].image, before == 12 ? 2 : before == 13 ? 3 : before + 2);
}

TEST(OnVersionSelected, EmptiesProductResultsAndReportsTheUpdate) {
  Fixture f;
  f.dialog.ResetStatus(L"old");
  f.view.sysInfo.enabled = false;
  f.dialog.Model().productItems.push_back(std::make_unique<VelotraceSettings>());
  f.dialog.Model().productItems[0]->entries.push_back({L"a", L"b"});
  f.dialog.AddResult(L"Processor", L"x", CategoryHardware);
  f.dialog.AddResult(L"Version", L"1.0", CategoryProduct);
  f.dialog.AddResult(L"m.dll", L"1.0.0.0", CategoryAddIn);

  f.dialog.OnVersionSelected();

  ASSERT_EQ(f.view.statusList.rows.size(), 1u);
  EXPECT_EQ(f.view.statusList.rows[0].status, L"Ok");
  EXPECT_EQ(f.view.statusList.rows[0].image, app::kImageOk);
  EXPECT_EQ(f.view.statusList.rows[0].description, L"Velotrace version info updated");
  EXPECT_TRUE(f.view.sysInfo.enabled);
  EXPECT_FALSE(f.view.createReport.enabled);
  const CSysInfo& model = f.dialog.Model();
  EXPECT_TRUE(model.productItems[0]->entries.empty());
  ASSERT_EQ(model.results.size(), 3u);
  EXPECT_EQ(model.results[0]->entries.size(), 1u);
  EXPECT_TRUE(model.results[1]->entries.empty());
  EXPECT_TRUE(model.results[2]->entries.empty());
}

TEST(OnSysInfo, CollectsOnceWithTheBusyRowAndEndsWithOk) {
  Fixture f;
  f.dialog.OnInitDialog();
  f.dialog.Model().hardwareItems.push_back(std::make_unique<Hardware>());
  Hardware& memory = *f.dialog.Model().hardwareItems.back();
  memory.name = L"MEMORY";
  memory.entries = {{L"Memory load", L"dwMemoryLoad"}};
  f.dialog.Model().hardwareItems.push_back(std::make_unique<Hardware>());
  Hardware& gl = *f.dialog.Model().hardwareItems.back();
  gl.name = L"OPENGL";
  gl.entries = {{L"Extensions (click here for list)", L"7939"}};
  f.machine.opengl.strings = {{7939, L"GL_A"}};
  f.machine.memory.load = 42;

  f.dialog.OnSysInfo();
  EXPECT_TRUE(f.dialog.SystemInfoCollected());
  ASSERT_EQ(f.dialog.Model().results.size(), 2u);
  EXPECT_EQ(f.dialog.Model().results[0]->entries[0], (InfoEntry{L"Memory load", L"42%"}));
  EXPECT_EQ(f.dialog.OpenGLExtensions(), L"GL_A");
  EXPECT_EQ(f.machine.opengl.windows, std::vector<std::uintptr_t>{0x77}) << "the context is made on the main window";
  ASSERT_EQ(f.view.statusList.rows.size(), 1u);
  EXPECT_EQ(f.view.statusList.rows[0].status, L"Ok");
  EXPECT_EQ(f.view.statusList.rows[0].description, L"System info collected");
  EXPECT_EQ(f.view.statusList.rows[0].image, app::kImageOk);
  EXPECT_GT(f.view.statusList.repaints, 3) << "every step repaints the busy row";

  ASSERT_EQ(f.view.sysInfoDialogs.size(), 1u);
  EXPECT_EQ(f.view.sysInfoDialogs[0].parent, &f.dialog);
  EXPECT_EQ(f.view.sysInfoDialogs[0].extensionsText, L"GL_A");
  EXPECT_EQ(f.view.sysInfoDialogs[0].versionText, L"none");
  EXPECT_TRUE(f.view.createReport.enabled) << "closing the dialog makes the report available";
  EXPECT_FALSE(f.view.sysInfo.enabled);

  // A new version choice makes the command available again; the next click
  // opens the dialog at once, without collecting or the busy row.
  f.view.versionSelector.items = {L"Velotrace 2024 for SOLIDWORKS"};
  f.view.versionSelector.selected = 0;
  f.dialog.OnVersionSelected();
  EXPECT_TRUE(f.view.sysInfo.enabled);
  const int repaints = f.view.statusList.repaints;
  f.dialog.OnSysInfo();
  EXPECT_EQ(f.dialog.Model().results.size(), 2u) << "the collection runs once per program run";
  EXPECT_EQ(f.machine.memory.reads, 1);
  EXPECT_EQ(f.view.statusList.repaints, repaints);
  ASSERT_EQ(f.view.sysInfoDialogs.size(), 2u);
  EXPECT_EQ(f.view.sysInfoDialogs[1].versionText, L"velotrace 2024 for solidworks");
}

TEST(OnSysInfo, ProbeMessagesAreMessageBoxesUnderTheProgramNameWithoutAnIcon) {
  Fixture f;
  f.process.executablePath = L"C:\\Velo\\VeloInspect.exe";
  f.process.separator = L'\\';
  f.dialog.OnInitDialog();
  f.dialog.Model().hardwareItems.push_back(std::make_unique<Hardware>());
  Hardware& pc = *f.dialog.Model().hardwareItems.back();
  pc.name = L"PC";
  pc.query = L"SELECT * FROM Win32_ComputerSystem";
  pc.entries = {{L"Model", L"Model"}};
  f.machine.wmi.Fail(pc.query, L"Model", platform::WmiFailure::Query);
  f.dialog.Model().hardwareItems.push_back(std::make_unique<Hardware>());
  Hardware& gl = *f.dialog.Model().hardwareItems.back();
  gl.name = L"OPENGL";
  gl.entries = {{L"OpenGL vendor", L"7936"}};
  f.machine.opengl.failure = platform::GlFailure::CreateContext;

  f.dialog.OnSysInfo();
  ASSERT_EQ(f.view.messages.shown.size(), 2u);
  EXPECT_EQ(f.view.messages.shown[0].text, L"ERROR - Querying WMI");
  EXPECT_EQ(f.view.messages.shown[1].text, L"ERROR - Creating OpenGL Rendering Context!");
  for (const auto& shown : f.view.messages.shown) {
    EXPECT_EQ(shown.title, L"VeloInspect");
    EXPECT_EQ(shown.icon, ui::MessageIcon::None);
  }
}

TEST(GetCategoryEntries, TheDialogSeesTheModelWithDriverDatesRewritten) {
  Fixture f;
  f.dialog.AddResult(L"Graphics driver date", L"20230615000000.000000-000", CategoryHardware);
  f.dialog.AddResult(L"Velotrace Version", L"24.1.0.2051", CategoryProduct);
  InfoEntryList entries;
  f.dialog.GetCategoryEntries(CategoryHardware, entries);
  EXPECT_EQ(entries, (InfoEntryList{{L"Graphics driver date", L"06/15/2023"}}));
  EXPECT_EQ(f.dialog.Model().results[0]->entries[0].value, L"06/15/2023");
}

TEST(OnCreateReport, WritesTheReportNamedAfterTheSelectedItemAndAddsTheRow) {
  Fixture f;
  f.dialog.OnInitDialog();
  f.view.versionSelector.items = {L"velotrace 2024"};
  f.view.versionSelector.selected = 0;
  f.dialog.AddResult(L"Velotrace Version", L"24.1.0.2051", CategoryProduct);
  f.dialog.OnCreateReport();
  ASSERT_EQ(f.machine.outputs.created, std::vector<std::wstring>{L"Velotrace Inspector summary for velotrace 2024.txt"});
  const std::string& bytes = f.machine.outputs.files.begin()->second.bytes;
  EXPECT_EQ(bytes.rfind("Velotrace Inspector Summary Report\r\nDecember 10, 2026\r\n", 0), 0u);
  EXPECT_NE(bytes.find("\tVelotrace Version - 24.1.0.2051\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Hardware profile\r\n=================\r\n\r\n\tNo data exists for report\r\n"), std::string::npos)
      << "nothing was collected";
  ASSERT_EQ(f.view.statusList.rows.size(), 1u);
  EXPECT_EQ(f.view.statusList.rows[0].status, L"Summary report created");
  EXPECT_EQ(f.view.statusList.rows[0].image, ui::kNoImage);

  f.view.versionSelector.selected = -1;
  f.machine.outputs.createFails = true;
  f.dialog.OnCreateReport();
  EXPECT_EQ(f.machine.outputs.created.back(), L"Velotrace Inspector summary.txt");
  ASSERT_EQ(f.view.messages.shown.size(), 1u);
  EXPECT_EQ(f.view.messages.shown[0].text, L"Error creating summary report file");
  EXPECT_EQ(f.view.messages.shown[0].title, L"VeloInspect");
  EXPECT_EQ(f.view.messages.shown[0].icon, ui::MessageIcon::Error);
  EXPECT_EQ(f.view.statusList.rows.size(), 1u);
}

TEST(OnClose, EndsTheDialogAndReleasesTheApartment) {
  Fixture f;
  f.dialog.OnInitDialog();
  f.dialog.OnClose();
  EXPECT_EQ(f.view.endResults, std::vector<int>{kDialogCancel});
  EXPECT_EQ(f.process.uninitializeCalls, 1);
}

TEST(OnSysCommand, AboutIgnoresTheLowFourBitsAndLeavesOthersToTheWindow) {
  struct Case {
    unsigned id;
    bool handled;
  };
  const Case cases[] = {{0x0010, true}, {0x001F, true}, {0xF060, false}, {0xF010, false}, {0x0020, false}};
  for (const Case& c : cases) {
    Fixture f;
    EXPECT_EQ(f.dialog.OnSysCommand(c.id), c.handled) << std::hex << c.id;
    EXPECT_EQ(f.view.aboutBoxes, c.handled ? 1 : 0) << std::hex << c.id;
  }
}

}  // namespace

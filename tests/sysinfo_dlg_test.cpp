#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_controls.h"
#include "model/sys_info.h"
#include "ui/category_entries.h"
#include "ui/opengl_extensions_dlg.h"
#include "ui/sysinfo_dlg.h"

namespace {

const std::wstring kListEntry = L"OpenGL extensions (click here for list)";

// The main dialog's side: the model, answered through GetCategoryEntries.
class ModelParent final : public ui::CategorySource {
 public:
  CSysInfo model;
  std::vector<std::int32_t> asked;
  void GetCategoryEntries(std::int32_t category, InfoEntryList& entries) override {
    asked.push_back(category);
    ui::GetCategoryEntries(model, category, entries);
  }
};

class FakeSysInfoView final : public ui::SysInfoDialogView {
 public:
  fakes::FakeListBox categories;
  fakes::FakeDetailListView details;
  std::vector<std::wstring> extensionDialogs;

  ui::ListBox& CategoryList() override { return categories; }
  ui::DetailListView& DetailList() override { return details; }
  void RunExtensionsDialog(const std::wstring& extensionsText) override { extensionDialogs.push_back(extensionsText); }
};

struct Fixture {
  Fixture() {
    parent.model.AddResult(L"Processor", L"Some CPU", CategoryHardware);
    parent.model.AddResult(kListEntry, L"", CategoryHardware);
    parent.model.AddResult(L"Operating system", L"Windows 11", CategoryOperatingSystem);
    parent.model.AddResult(L"Version", L"2024", CategoryProduct);
    view.details.windowWidth = 558;
  }
  std::vector<std::wstring> Column(int column) const {
    std::vector<std::wstring> texts;
    for (int row = 0; row < view.details.GetItemCount(); ++row) texts.push_back(view.details.GetItemText(row, column));
    return texts;
  }

  ModelParent parent;
  FakeSysInfoView view;
  CSysInfoDlg dialog{view, &parent};
};

TEST(CSysInfoDlg, OffersTheAddInCategoryOnlyForAVersionOfThatEdition) {
  struct Case {
    const char* name;
    std::wstring versionText;
    std::vector<std::wstring> texts;
  };
  const std::vector<std::wstring> three = {L"Hardware", L"Operating system", L"Velotrace"};
  const std::vector<std::wstring> four = {L"Hardware", L"Operating system", L"Velotrace", L"Velotrace for SOLIDWORKS"};
  const Case cases[] = {
      {"nothing selected", L"none", three},
      {"plain edition", L"velotrace 2024", three},
      {"add-in edition", L"velotrace 2024 for solidworks", four},
      {"add-in edition not yet lowered", L"Velotrace 2024 for SOLIDWORKS", four},
      {"the word alone", L"solidworks", four},
      {"a near miss", L"solid works", three},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.dialog.versionText = c.versionText;
    EXPECT_TRUE(f.dialog.OnInitDialog()) << c.name;
    std::vector<std::wstring> texts;
    for (std::size_t i = 0; i < f.view.categories.items.size(); ++i) {
      texts.push_back(f.view.categories.items[i].text);
      EXPECT_EQ(f.view.categories.items[i].data, static_cast<std::intptr_t>(i + 1)) << c.name;
    }
    EXPECT_EQ(texts, c.texts) << c.name;
    EXPECT_EQ(f.view.categories.selected, 0) << c.name;
    EXPECT_EQ(f.parent.asked, std::vector<std::int32_t>{CategoryHardware}) << c.name << ": hardware is shown first";
  }
}

TEST(CSysInfoDlg, ColumnsAreEachHalfTheListsWindowWidth) {
  struct Case {
    int windowWidth;
    int want;
  };
  for (const Case& c : {Case{558, 279}, Case{559, 279}, Case{1, 0}}) {
    Fixture f;
    f.view.details.windowWidth = c.windowWidth;
    f.dialog.OnInitDialog();
    ASSERT_EQ(f.view.details.columns.size(), 2u) << c.windowWidth;
    EXPECT_EQ(f.view.details.columns[0].heading, L"Item");
    EXPECT_EQ(f.view.details.columns[1].heading, L"Value");
    EXPECT_EQ(f.view.details.columns[0].width, c.want) << c.windowWidth;
    EXPECT_EQ(f.view.details.columns[1].width, c.want) << c.windowWidth;
    EXPECT_TRUE(f.view.details.fullRowSelect);
  }
}

TEST(CSysInfoDlg, EachCategorySelectionReplacesTheRowsWithThatCategorysEntries) {
  Fixture f;
  f.dialog.versionText = L"velotrace 2024 for solidworks";
  f.dialog.OnInitDialog();
  EXPECT_EQ(f.Column(0), (std::vector<std::wstring>{L"Processor", kListEntry}));
  EXPECT_EQ(f.Column(1), (std::vector<std::wstring>{L"Some CPU", L""}));

  // A later version choice empties the earlier product results; only the
  // last collection's entries show.
  f.parent.model.EmptyProductResults();
  f.parent.model.AddResult(L"Version", L"2025", CategoryProduct);
  f.parent.model.AddResult(L"Install directory", L"C:\\Velotrace", CategoryProduct);

  struct Case {
    int selection;
    std::vector<std::wstring> items;
    std::vector<std::wstring> values;
  };
  const Case cases[] = {
      {1, {L"Operating system"}, {L"Windows 11"}},
      {2, {L"Version", L"Install directory"}, {L"2025", L"C:\\Velotrace"}},
      {3, {}, {}},
      {0, {L"Processor", kListEntry}, {L"Some CPU", L""}},
  };
  for (const Case& c : cases) {
    f.view.categories.SetCurSel(c.selection);
    f.dialog.OnCategorySelected();
    EXPECT_EQ(f.Column(0), c.items) << c.selection;
    EXPECT_EQ(f.Column(1), c.values) << c.selection;
    EXPECT_EQ(f.dialog.CategoryEntries().size(), c.items.size()) << c.selection;
  }
}

TEST(CSysInfoDlg, WithoutParentOrSelectionTheRowsStay) {
  Fixture f;
  f.dialog.OnInitDialog();
  ASSERT_EQ(f.view.details.GetItemCount(), 2);
  f.view.categories.SetCurSel(-1);
  f.dialog.FillDetailList();
  EXPECT_EQ(f.view.details.GetItemCount(), 2);
  EXPECT_EQ(f.parent.asked.size(), 1u);

  FakeSysInfoView orphanView;
  CSysInfoDlg orphan(orphanView, nullptr);
  orphan.OnInitDialog();
  EXPECT_EQ(orphanView.categories.GetCount(), 3);
  EXPECT_EQ(orphanView.details.GetItemCount(), 0);
  EXPECT_TRUE(orphan.CategoryEntries().empty());
}

TEST(CSysInfoDlg, TheListEntryOpensTheExtensionsDialogOncePerNewSelection) {
  Fixture f;
  f.dialog.extensionsText = L"GL_B GL_A";
  f.dialog.OnInitDialog();
  const int listRow = 1, otherRow = 0;

  struct Step {
    const char* name;
    int row;
    bool wasSelected;
    bool isSelected;
    std::size_t openedSoFar;
  };
  const Step steps[] = {
      {"selecting the list entry", listRow, false, true, 1},
      {"focus change while it stays selected", listRow, true, true, 1},
      {"deselected by selecting another entry", listRow, true, false, 1},
      {"selecting another entry", otherRow, false, true, 1},
      {"selecting the list entry again", listRow, false, true, 2},
      {"a change of no row", -1, false, true, 2},
      {"a row past the end", 7, false, true, 2},
  };
  for (const Step& s : steps) {
    f.dialog.OnItemChanged(s.row, s.wasSelected, s.isSelected);
    EXPECT_EQ(f.view.extensionDialogs.size(), s.openedSoFar) << s.name;
  }
  EXPECT_EQ(f.view.extensionDialogs, (std::vector<std::wstring>{L"GL_B GL_A", L"GL_B GL_A"}));
}

TEST(CSysInfoDlg, TheListEntryIsRecognisedByItsExactText) {
  struct Case {
    std::wstring display;
    bool opens;
  };
  const Case cases[] = {
      {L"OpenGL extensions - click here for list", true},
      {L"click here for list", true},
      {L"OpenGL extensions (Click here for list)", false},
      {L"OpenGL extensions (click here for the list)", false},
  };
  for (const Case& c : cases) {
    ModelParent parent;
    parent.model.AddResult(c.display, L"", CategoryHardware);
    FakeSysInfoView view;
    CSysInfoDlg dialog(view, &parent);
    dialog.OnInitDialog();
    dialog.OnItemChanged(0, false, true);
    EXPECT_EQ(view.extensionDialogs.size(), c.opens ? 1u : 0u) << c.display;
  }
}

// The graphics driver date, wherever it is read, shows as month/day/year.
TEST(GetCategoryEntries, RewritesCimDriverDatesOfTheHardwareCategoryInTheModel) {
  struct Case {
    const char* name;
    std::wstring display;
    std::wstring value;
    InfoCategory category;
    std::wstring want;
  };
  const Case cases[] = {
      {"CIM date", L"Graphics driver date", L"20230615000000.000000-000", CategoryHardware, L"06/15/2023"},
      {"second adapter", L"Graphics driver date 2", L"20191231235959.999999+060", CategoryHardware, L"12/31/2019"},
      {"already has a slash", L"Graphics driver date", L"6/15/2023", CategoryHardware, L"6/15/2023"},
      {"display in lower case", L"graphics driver date", L"20230615000000.000000-000", CategoryHardware,
       L"20230615000000.000000-000"},
      {"year and month only", L"Graphics driver date", L"202306", CategoryHardware, L"06//2023"},
      {"one digit of day", L"Graphics driver date", L"2023061", CategoryHardware, L"06/1/2023"},
      {"exactly a date", L"Graphics driver date", L"20230615", CategoryHardware, L"06/15/2023"},
      {"failed WMI query", L"Graphics driver date", L"false", CategoryHardware, L"false"},
      {"five characters", L"Graphics driver date", L"20230", CategoryHardware, L"20230"},
      {"no date", L"Graphics driver date", L"", CategoryHardware, L""},
      {"other display", L"Graphics driver version", L"31.0.15.3623", CategoryHardware, L"31.0.15.3623"},
      {"operating-system category", L"Graphics driver date", L"20230615000000.000000-000", CategoryOperatingSystem,
       L"20230615000000.000000-000"},
  };
  for (const Case& c : cases) {
    CSysInfo model;
    model.AddResult(c.display, c.value, c.category);
    for (int reading = 1; reading <= 2; ++reading) {
      InfoEntryList entries;
      ui::GetCategoryEntries(model, c.category, entries);
      EXPECT_EQ(entries, (InfoEntryList{{c.display, c.want}})) << c.name << ", reading " << reading;
      EXPECT_EQ(model.results[0]->entries[0].value, c.want) << c.name << ": the model holds the shown form";
    }
  }
}

TEST(GetCategoryEntries, AppendsTheCategorysEntriesInResultOrder) {
  CSysInfo model;
  model.AddResult(L"Processor", L"x", CategoryHardware);
  model.AddResult(L"OS", L"y", CategoryOperatingSystem);
  model.AddResult(L"Version", L"old", CategoryProduct);
  model.AddResult(L"Memory", L"z", CategoryHardware);
  model.EmptyProductResults();
  model.AddResult(L"Version", L"new", CategoryProduct);
  auto twoEntries = std::make_unique<SystemInfoResults>();
  twoEntries->category = CategoryHardware;
  twoEntries->entries = {{L"Disk 1", L"a"}, {L"Disk 2", L"b"}};
  model.results.push_back(std::move(twoEntries));
  model.results.push_back(nullptr);

  struct Case {
    std::int32_t category;
    InfoEntryList want;
  };
  const Case cases[] = {
      {CategoryHardware, {{L"Processor", L"x"}, {L"Memory", L"z"}, {L"Disk 1", L"a"}, {L"Disk 2", L"b"}}},
      {CategoryOperatingSystem, {{L"OS", L"y"}}},
      {CategoryProduct, {{L"Version", L"new"}}},
      {CategoryAddIn, {}},
      {0, {}},
      {5, {}},
      {-1, {}},
  };
  for (const Case& c : cases) {
    InfoEntryList entries = {{L"kept", L"before"}};
    ui::GetCategoryEntries(model, c.category, entries);
    InfoEntryList want = {{L"kept", L"before"}};
    want.insert(want.end(), c.want.begin(), c.want.end());
    EXPECT_EQ(entries, want) << c.category;
  }
}

TEST(OpenGLExtensionsDlg, AddsEveryNameBetweenSpacesInTextOrder) {
  struct Case {
    const char* name;
    std::wstring text;
    std::vector<std::wstring> want;
  };
  const Case cases[] = {
      {"reverse order, double and trailing spaces", L"GL_EXT_b  GL_ARB_a ", {L"GL_EXT_b", L"GL_ARB_a"}},
      {"empty", L"", {}},
      {"only spaces", L"     ", {}},
      {"leading spaces", L"  GL_x", {L"GL_x"}},
      {"the same name twice", L"GL_x GL_x", {L"GL_x", L"GL_x"}},
      {"tabs and line ends belong to names", L"GL_a\tGL_b\r\nGL_c GL_d", {L"GL_a\tGL_b\r\nGL_c", L"GL_d"}},
      {"one name", L"WGL_ARB_pixel_format", {L"WGL_ARB_pixel_format"}},
  };
  for (const Case& c : cases) {
    fakes::FakeListBox list;
    OpenGLExtensionsDlg dialog(list);
    dialog.extensionsText = c.text;
    EXPECT_TRUE(dialog.OnInitDialog()) << c.name;
    std::vector<std::wstring> added;
    for (const auto& item : list.items) added.push_back(item.text);
    EXPECT_EQ(added, c.want) << c.name;
    EXPECT_EQ(list.selected, -1) << c.name << ": nothing is selected";
  }
}

}  // namespace

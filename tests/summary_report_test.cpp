// The summary report: its text, its bytes and the way a failure reaches the
// user, driven through in-memory files, clock and message boxes.
//
// The expected reports are stored byte for byte (CRLF line ends, ISO 8859-1)
// in tests/data/reports/. After a deliberate change to the report, run the
// tests once with VELOINSPECT_UPDATE_GOLDEN=1 in the environment: they then
// rewrite those files from what the code produces, and the diff shows what
// changed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_controls.h"
#include "fakes/fake_output_files.h"
#include "model/sys_info.h"
#include "report/summary_report.h"
#include "report_golden.h"

namespace {

using report_golden::FillEveryCategory;
using report_golden::GoldenPath;
using report_golden::ReadBytes;

const std::wstring kTitle = L"VeloInspect";

// The stored report, or after rewriting it on request, the report as made now.
std::string Golden(const std::string& name, const std::string& actual) {
  const char* update = std::getenv("VELOINSPECT_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::filesystem::create_directories(GoldenPath(name).parent_path());
    std::ofstream(GoldenPath(name), std::ios::binary | std::ios::trunc) << actual;
  }
  return ReadBytes(GoldenPath(name));
}

// The main dialog's side of one report: its model, selection and window,
// where the outcome shows as the dialog shows it.
struct Dialog {
  CSysInfo model;
  bool collected = true;
  std::optional<std::wstring> selected;
  fakes::FixedClock clock{platform::LocalDate{2014, 3, 5}};
  fakes::MemoryOutputFiles files;
  fakes::RecordingMessageBox messages;
  fakes::FakeListView statusList;

  void WriteReport() {
    const report::ReportOutcome outcome = report::WriteSummaryReport(model.results, collected, selected, clock, files);
    if (outcome.created) {
      statusList.InsertItem(statusList.GetItemCount(), outcome.text, ui::kNoImage);
    } else {
      messages.Show(outcome.text, kTitle, ui::MessageIcon::Error);
    }
  }
};

struct GoldenCase {
  std::string name;
  bool collected;
  std::optional<std::wstring> selected;
  platform::LocalDate date;
  void (*fill)(CSysInfo&);
  std::wstring fileName;
};

// Each case is one whole report; the first is the common run and the others
// change one thing about it.
TEST(SummaryReport, WritesTheStoredReports) {
  const std::vector<GoldenCase> cases = {
      {"no_selection", true, std::nullopt, {2014, 3, 5}, FillEveryCategory, L"Velotrace Inspector summary.txt"},
      {"addin_edition", true, L"velotrace 2024 for SolidWorks", {2014, 3, 5}, FillEveryCategory,
       L"Velotrace Inspector summary for velotrace 2024 for SolidWorks.txt"},
      {"nothing_collected", false, L"velotrace 2024", {2014, 3, 5}, FillEveryCategory,
       L"Velotrace Inspector summary for velotrace 2024.txt"},
      {"emptied_product_records", true, L"VELOTRACE 2024 FOR SOLIDWORKS", {2014, 3, 5},
       [](CSysInfo& m) {
         FillEveryCategory(m);
         m.EmptyProductResults();
       },
       L"Velotrace Inspector summary for VELOTRACE 2024 FOR SOLIDWORKS.txt"},
      {"no_product_record", true, L"velotrace 2024 for solidworks", {2014, 3, 5},
       [](CSysInfo& m) {
         m.AddResult(L"Processor", L"AMD Ryzen 7 5800X 8-Core Processor", CategoryHardware);
         m.AddResult(L"Operating System", L"Microsoft Windows 11 Pro", CategoryOperatingSystem);
       },
       L"Velotrace Inspector summary for velotrace 2024 for solidworks.txt"},
      {"empty_entries", true, L"velotrace 2024 for solidworks", {2014, 3, 5},
       [](CSysInfo& m) {
         for (InfoCategory c : {CategoryHardware, CategoryOperatingSystem, CategoryProduct, CategoryAddIn}) {
           m.AddResult(L"", L"", c);
         }
         m.results.push_back(nullptr);
       },
       L"Velotrace Inspector summary for velotrace 2024 for solidworks.txt"},
      {"latin1_and_leading_zero", true, L"velotrace 2024 \u00e9dition", {2016, 7, 1},
       [](CSysInfo& m) {
         m.AddResult(L"Caf\u00e9 \u00a9 \u00fc", L"\u00e9\u00ff\u0080 end", CategoryHardware);
         m.AddResult(L"Path", L"C:\\Users\\Ren\u00e9e\\Documents", CategoryOperatingSystem);
         m.AddResult(L"Version", L"24.0\t(build 7)", CategoryProduct);
       },
       L"Velotrace Inspector summary for velotrace 2024 \u00e9dition.txt"},
  };

  for (const GoldenCase& c : cases) {
    Dialog dialog;
    c.fill(dialog.model);
    dialog.collected = c.collected;
    dialog.selected = c.selected;
    dialog.clock.date = c.date;
    dialog.WriteReport();

    EXPECT_TRUE(dialog.messages.shown.empty()) << c.name;
    ASSERT_EQ(dialog.files.files.size(), 1u) << c.name;
    const auto& [name, file] = *dialog.files.files.begin();
    EXPECT_EQ(name, c.fileName) << c.name;
    EXPECT_TRUE(file.closed) << c.name;
    EXPECT_EQ(file.bytes, Golden(c.name, file.bytes)) << c.name;
    ASSERT_EQ(dialog.statusList.rows.size(), 1u) << c.name;
  }
}

TEST(SummaryReport, SuccessAppendsTheStatusRowAfterTheExistingRows) {
  Dialog dialog;
  dialog.statusList.InsertItem(0, L"Ok", 0);
  dialog.statusList.SetItemText(0, 1, L"Velotrace settings collected");
  dialog.WriteReport();

  ASSERT_EQ(dialog.statusList.rows.size(), 2u);
  EXPECT_EQ(dialog.statusList.rows[0].status, L"Ok");
  EXPECT_EQ(dialog.statusList.rows[1].status, L"Summary report created");
  EXPECT_EQ(dialog.statusList.rows[1].description, L"");
  EXPECT_EQ(dialog.statusList.rows[1].image, ui::kNoImage);
}

TEST(SummaryReport, SolidworksSectionFollowsTheSelectedTextInAnyAsciiCase) {
  struct Case {
    std::string name;
    std::optional<std::wstring> selected;
    bool want;
  };
  const std::vector<Case> cases = {
      {"lower case", L"velotrace 2024 for solidworks", true},
      {"mixed case inside a word", L"Velotrace xSolidWorksx", true},
      {"nothing selected", std::nullopt, false},
      {"the text the dialog shows for no selection", L"None", false},
      {"split word", L"velotrace solid works", false},
      // Only A to Z are lowered: a dotted capital I is not an i.
      {"non-ASCII capital", L"velotrace SOL\u0130DWORKS", false},
  };
  for (const Case& c : cases) {
    CSysInfo model;
    model.AddResult(L"vtsw.dll", L"1.0", CategoryAddIn);
    const std::wstring text = report::SummaryReportText(model.results, true, c.selected, {2014, 3, 5});
    EXPECT_EQ(text.find(L"Velotrace for SOLIDWORKS profile") != std::wstring::npos, c.want) << c.name;
    EXPECT_EQ(text.find(L"vtsw.dll") != std::wstring::npos, c.want) << c.name;
  }
}

TEST(FormatReportDate, PrintsTheCLocaleLongDate) {
  struct Case {
    std::string name;
    platform::LocalDate date;
    std::wstring want;
  };
  const std::vector<Case> cases = {
      {"single-digit day", {2014, 3, 5}, L"March 05, 2014"},
      {"first of the month", {2016, 7, 1}, L"July 01, 2016"},
      {"first and last month", {1999, 12, 31}, L"December 31, 1999"},
      {"january", {2024, 1, 10}, L"January 10, 2024"},
      {"month out of range", {2024, 13, 10}, L"? 10, 2024"},
      {"month zero", {2024, 0, 10}, L"? 10, 2024"},
  };
  for (const Case& c : cases) EXPECT_EQ(report::FormatReportDate(c.date), c.want) << c.name;
  // Every day of a month has two digits.
  for (int day = 1; day <= 31; ++day) {
    const std::wstring digits = (day < 10 ? L"0" : L"") + std::to_wstring(day);
    EXPECT_EQ(report::FormatReportDate({2024, 8, day}), L"August " + digits + L", 2024") << day;
  }
}

TEST(EncodeReportText, StoresLatin1BytesAndCrLfUpToTheFirstWiderCharacter) {
  struct Case {
    std::string name;
    std::wstring text;
    std::string want;
    bool complete;
  };
  const std::vector<Case> cases = {
      {"line feeds", L"a\nb\n", "a\r\nb\r\n", true},
      {"every line feed, even after a carriage return", L"a\r\nb", "a\r\r\nb", true},
      {"Latin-1 range ends", std::wstring(L"\u00e9\u00ff\u0001") + L'\0', std::string("\xe9\xff\x01\0", 4), true},
      {"first character beyond Latin-1", L"ab\u0100c", "ab", false},
      {"euro sign after a line", L"x\n\u20ac\n", "x\r\n", false},
      // On Windows this is a surrogate pair; either way it cannot be stored.
      {"character beyond the BMP", L"a\U0001F600b", "a", false},
  };
  for (const Case& c : cases) {
    const report::ReportBytes got = report::EncodeReportText(c.text);
    EXPECT_EQ(got.bytes, c.want) << c.name;
    EXPECT_EQ(got.complete, c.complete) << c.name;
  }
}

TEST(ReportFailure, FileThatCannotBeCreatedShowsTheMessageAndAddsNoRow) {
  Dialog dialog;
  FillEveryCategory(dialog.model);
  dialog.selected = L"velotrace 2024";
  dialog.files.createFails = true;
  dialog.WriteReport();

  ASSERT_EQ(dialog.messages.shown.size(), 1u);
  EXPECT_EQ(dialog.messages.shown[0].text, L"Error creating summary report file");
  EXPECT_EQ(dialog.messages.shown[0].title, kTitle);
  EXPECT_EQ(dialog.messages.shown[0].icon, ui::MessageIcon::Error);
  EXPECT_EQ(dialog.files.created, (std::vector<std::wstring>{L"Velotrace Inspector summary for velotrace 2024.txt"}));
  EXPECT_TRUE(dialog.files.files.empty());
  EXPECT_TRUE(dialog.statusList.rows.empty());
}

// The report is written into the working directory only: a selected text
// that would make the name a path is refused before any file is touched.
TEST(ReportFailure, NameThatWouldLeaveTheWorkingDirectoryIsNotCreated) {
  struct Case {
    std::string name;
    std::wstring selected;
  };
  const std::vector<Case> cases = {
      {"backslash climbing out", L"x\\..\\..\\Windows\\evil"},
      {"slash", L"velotrace 2024/2025"},
      {"drive or stream colon", L"velotrace:2024"},
      {"NUL that would cut the name", std::wstring(L"velotrace") + L'\0' + L"2024"},
  };
  for (const Case& c : cases) {
    Dialog dialog;
    dialog.selected = c.selected;
    dialog.WriteReport();
    EXPECT_TRUE(dialog.files.created.empty()) << c.name;
    ASSERT_EQ(dialog.messages.shown.size(), 1u) << c.name;
    EXPECT_EQ(dialog.messages.shown[0].text, L"Error creating summary report file") << c.name;
    EXPECT_TRUE(dialog.statusList.rows.empty()) << c.name;
  }
}

TEST(ReportFailure, CharacterAboveLatin1StopsTheReportJustBeforeIt) {
  Dialog dialog;
  dialog.selected = L"velotrace 2024";
  dialog.model.AddResult(L"Processor", L"x86", CategoryHardware);
  dialog.model.AddResult(L"Monitor", L"caf\u00e9 \u4e2d\u6587 display", CategoryHardware);
  dialog.model.AddResult(L"Memory", L"16 GB", CategoryHardware);
  dialog.WriteReport();

  const std::wstring name = L"Velotrace Inspector summary for velotrace 2024.txt";
  ASSERT_EQ(dialog.files.files.count(name), 1u);
  const auto& file = dialog.files.files.at(name);
  EXPECT_TRUE(file.closed);
  const std::string head = "Velotrace Inspector Summary Report\r\nMarch 05, 2014\r\n\r\n\r\n=================\r\n"
                           "Hardware profile\r\n=================\r\n\r\n\tProcessor - x86\r\n\tMonitor - caf\xe9 ";
  EXPECT_EQ(file.bytes, head);
  ASSERT_EQ(dialog.messages.shown.size(), 1u);
  EXPECT_EQ(dialog.messages.shown[0].text,
            L"Disk full while accessing C:\\Users\\support\\Velotrace Inspector summary for velotrace 2024.txt.");
  EXPECT_EQ(dialog.messages.shown[0].title, kTitle);
  EXPECT_EQ(dialog.messages.shown[0].icon, ui::MessageIcon::Error);
  EXPECT_TRUE(dialog.statusList.rows.empty());
}

TEST(ReportFailure, FullDiskAtWriteOrCloseShowsTheMessageWithTheFullPath) {
  struct Case {
    std::string name;
    std::size_t capacity;
    bool closeFails;
  };
  const std::vector<Case> cases = {
      {"disk full while writing", 19, false},
      {"disk full only at close", std::string::npos, true},
  };
  for (const Case& c : cases) {
    Dialog dialog;
    FillEveryCategory(dialog.model);
    dialog.files.capacity = c.capacity;
    dialog.files.closeFails = c.closeFails;
    dialog.WriteReport();

    // What fitted stays in the file.
    const std::string whole =
        report::EncodeReportText(report::SummaryReportText(dialog.model.results, true, std::nullopt, {2014, 3, 5}))
            .bytes;
    const auto& file = dialog.files.files.at(L"Velotrace Inspector summary.txt");
    EXPECT_EQ(file.bytes, whole.substr(0, c.capacity)) << c.name;
    EXPECT_TRUE(file.closed) << c.name;
    ASSERT_EQ(dialog.messages.shown.size(), 1u) << c.name;
    EXPECT_EQ(dialog.messages.shown[0].text,
              L"Disk full while accessing C:\\Users\\support\\Velotrace Inspector summary.txt.")
        << c.name;
    EXPECT_EQ(dialog.messages.shown[0].icon, ui::MessageIcon::Error) << c.name;
    EXPECT_TRUE(dialog.statusList.rows.empty()) << c.name;
  }
}

}  // namespace

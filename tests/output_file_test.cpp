// The files and the clock of the machine the tests run on, behind the same
// interfaces the report uses: the Linux backends on Linux, the Win32 ones in
// the Windows build (run under Wine).
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_output_files.h"
#include "fakes/temp_dir.h"
#include "report/summary_report.h"
#include "report_golden.h"

#ifdef _WIN32
#include "platform/windows/clock_windows.h"
#include "platform/windows/output_file_windows.h"
using HostOutputFiles = platform::windows_backend::Win32OutputFiles;
using HostClock = platform::windows_backend::Win32Clock;
#else
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/linux/clock_linux.h"
#include "platform/linux/output_file_linux.h"
using HostOutputFiles = platform::linux_backend::LinuxOutputFiles;
using HostClock = platform::linux_backend::LocalTimeClock;
#endif

namespace {

namespace fs = std::filesystem;

using report_golden::ReadBytes;

// Runs each test in a fresh directory of its own, as the report is written
// into the working directory.
class InWorkingDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(dir_.Path());
  }
  void TearDown() override { fs::current_path(previous_); }

  const fs::path& Dir() const { return dir_.Path(); }

  HostOutputFiles files_;

 private:
  fakes::TempDir dir_;
  fs::path previous_;
};

TEST_F(InWorkingDirectory, StoresTheBytesUnchangedAndClosesOnce) {
  const std::unique_ptr<platform::OutputFile> file = files_.Create((Dir() / "bytes.bin").wstring());
  ASSERT_NE(file, nullptr);
  // Line ends, a Ctrl-Z and a NUL would all be changed or cut by a text mode.
  const std::string bytes("a\r\nb\n\xe9\x1a\0z", 9);
  EXPECT_TRUE(file->Write(bytes.substr(0, 4)));
  EXPECT_TRUE(file->Write(bytes.substr(4)));
  EXPECT_TRUE(file->Close());
  EXPECT_EQ(ReadBytes(Dir() / "bytes.bin"), bytes);

  EXPECT_FALSE(file->Write("more"));
  EXPECT_FALSE(file->Close());
  EXPECT_EQ(ReadBytes(Dir() / "bytes.bin"), bytes);
}

TEST_F(InWorkingDirectory, BareNameIsCreatedHereAndReplacesAnEarlierFile) {
  std::ofstream(Dir() / "report.txt", std::ios::binary) << std::string(4096, 'x');
  const std::unique_ptr<platform::OutputFile> file = files_.Create(L"report.txt");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->Write("short"));
  EXPECT_TRUE(file->Close());
  EXPECT_EQ(ReadBytes(Dir() / "report.txt"), "short");

  const fs::path full(files_.FullPath(L"report.txt"));
  EXPECT_TRUE(full.is_absolute()) << full;
  EXPECT_TRUE(fs::equivalent(full, Dir() / "report.txt")) << full;
}

TEST_F(InWorkingDirectory, NamesThatCannotBeCreatedGiveNoFile) {
  struct Case {
    std::string name;
    std::wstring path;
  };
  std::vector<Case> cases = {
      {"folder that does not exist", (Dir() / "missing" / "report.txt").wstring()},
      {"an existing folder", Dir().wstring()},
      {"empty name", L""},
      {"NUL inside the name", std::wstring(L"report") + L'\0' + L"x.txt"},
  };
#ifdef _WIN32
  cases.push_back({"question mark", L"velotrace 2024?.txt"});
  cases.push_back({"asterisk", L"velotrace*.txt"});
  cases.push_back({"quotation mark", L"velotrace \"2024\".txt"});
#else
  // A FIFO without a reader must be refused at once, not wait for one.
  ASSERT_EQ(mkfifo((Dir() / "pipe.txt").c_str(), 0644), 0);
  cases.push_back({"FIFO", L"pipe.txt"});
#endif
  for (const Case& c : cases) EXPECT_EQ(files_.Create(c.path), nullptr) << c.name;
  EXPECT_FALSE(fs::exists(Dir() / "report")) << "the part before the NUL";
}

// The whole report through the real files: the stored bytes exactly (no
// second carriage return from a text mode), replacing an earlier report.
TEST_F(InWorkingDirectory, ReportLandsInTheWorkingDirectoryAsStored) {
  std::ofstream(Dir() / "Velotrace Inspector summary.txt", std::ios::binary) << std::string(8192, 'x');
  CSysInfo model;
  report_golden::FillEveryCategory(model);
  fakes::FixedClock clock({2014, 3, 5});

  const report::ReportOutcome outcome = report::WriteSummaryReport(model.results, true, std::nullopt, clock, files_);

  EXPECT_TRUE(outcome.created);
  EXPECT_EQ(outcome.text, L"Summary report created");
  EXPECT_EQ(ReadBytes(Dir() / "Velotrace Inspector summary.txt"),
            ReadBytes(report_golden::GoldenPath("no_selection")));
}

bool SameDate(platform::LocalDate a, platform::LocalDate b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

#ifndef _WIN32
// Root writes into a read-only folder all the same, and CI runs as root: there
// the body runs in a child process as the unprivileged user nobody. Returns
// the body's result, or -1 when the privileges could not be dropped.
int AsUnprivilegedUser(const std::function<int()>& body) {
  if (geteuid() != 0) return body();
  const pid_t child = fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    const bool dropped = setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
    _exit(dropped ? body() : 255);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

TEST_F(InWorkingDirectory, ReadOnlyFolderGivesTheCreateMessage) {
  fs::permissions(Dir(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  enum Seen { kCreateMessage = 0, kCreated = 1, kOtherMessage = 2 };
  const int seen = AsUnprivilegedUser([this] {
    CSysInfo model;
    fakes::FixedClock clock({2014, 3, 5});
    const report::ReportOutcome outcome =
        report::WriteSummaryReport(model.results, true, L"velotrace 2024", clock, files_);
    if (outcome.created) return kCreated;
    return outcome.text == L"Error creating summary report file" ? kCreateMessage : kOtherMessage;
  });
  fs::permissions(Dir(), fs::perms::owner_all);

  EXPECT_EQ(seen, kCreateMessage) << "1: the report was created, 2: another message, -1: no unprivileged user";
  EXPECT_TRUE(fs::is_empty(Dir()));
}

platform::LocalDate UtcDate(std::time_t t) {
  std::tm utc{};
  gmtime_r(&t, &utc);
  return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday};
}

// The two zones are 26 hours apart, so their dates always differ: a clock
// that ignored the zone, or missed a change of TZ, would be caught.
TEST(HostClock, TodayIsTheDateInTheCurrentTimeZone) {
  struct Case {
    std::string name;
    const char* tz;
    long east;  // seconds ahead of UTC
  };
  const std::vector<Case> cases = {
      {"fourteen hours east", "XXX-14", 14 * 3600},
      {"twelve hours west", "YYY+12", -12 * 3600},
  };
  const char* saved = std::getenv("TZ");
  const std::optional<std::string> previous = saved ? std::optional<std::string>(saved) : std::nullopt;
  HostClock clock;
  for (const Case& c : cases) {
    setenv("TZ", c.tz, 1);
    const std::time_t before = std::time(nullptr);
    const platform::LocalDate today = clock.Today();
    const std::time_t after = std::time(nullptr);
    EXPECT_TRUE(SameDate(today, UtcDate(before + c.east)) || SameDate(today, UtcDate(after + c.east)))
        << c.name << ": " << today.year << "-" << today.month << "-" << today.day;
  }
  if (previous) {
    setenv("TZ", previous->c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}
#else
// Windows keeps the zone in its own settings; the C runtime reads the same.
TEST(HostClock, TodayIsTheLocalDate) {
  HostClock clock;
  const std::time_t before = std::time(nullptr);
  const platform::LocalDate today = clock.Today();
  const std::time_t after = std::time(nullptr);
  const auto date = [](std::time_t t) {
    const std::tm local = *std::localtime(&t);
    return platform::LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  };
  EXPECT_TRUE(SameDate(today, date(before)) || SameDate(today, date(after)))
      << today.year << "-" << today.month << "-" << today.day;
}
#endif

}  // namespace

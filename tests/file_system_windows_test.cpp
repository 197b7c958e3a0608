#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/temp_dir.h"
#include "platform/windows/file_system_windows.h"
#include "text_file_cases.h"

namespace {

namespace fs = std::filesystem;
using platform::windows_backend::Win32FileSystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Plugin.DLL", "other.dll", "readme.txt", "notes.dllold"}) WriteFile(Apps() / name, "MZ");
    fs::create_directories(Apps() / "x.dll");
  }
  fs::path Apps() const { return dir_.Path() / "Velotrace 2023" / "apps"; }
  std::wstring Folder() const { return Apps().wstring() + L"\\"; }

  fakes::TempDir dir_{"veloinspect-files"};
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, FindListsMatchingEntries) {
  struct Case {
    const char* name;
    std::wstring wildcard;
    std::vector<std::wstring> want;  // sorted; "/" after a directory
  };
  const Case cases[] = {
      // The short name of notes.dllold ends in ".DLL"; it must not count.
      {"libraries, a folder among them", L"*.dll", {L"Plugin.DLL", L"other.dll", L"x.dll/"}},
      {"everything but dot and dot-dot", L"*", {L"Plugin.DLL", L"notes.dllold", L"other.dll", L"readme.txt", L"x.dll/"}},
      {"dot and dot-dot never match", L".*", {}},
      {"case of the pattern", L"PLUGIN.dll", {L"Plugin.DLL"}},
  };
  for (const Case& c : cases) {
    std::vector<std::wstring> got;
    for (const auto& file : files_.Find(Folder() + c.wildcard)) {
      EXPECT_EQ(file.path, Folder() + file.name) << c.name;
      got.push_back(file.name + (file.directory ? L"/" : L""));
    }
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, c.want) << c.name;
  }
  EXPECT_TRUE(files_.Find(dir_.Path().wstring() + L"\\missing\\*").empty());
}

TEST_F(Win32FileSystemTest, OpenTextReadsLinesByTheSharedRules) {
  const fs::path config = dir_.Path() / "config" / "veloxm.config";
  for (const auto& c : cases::TextFileCases()) {
    WriteFile(config, c.bytes);
    const auto file = files_.OpenText(config.wstring());
    ASSERT_NE(file, nullptr) << c.name;
    std::vector<std::string> lines;
    std::string line;
    while (file->ReadLine(line)) lines.push_back(line);
    EXPECT_EQ(lines, c.lines) << c.name;
  }
}

TEST_F(Win32FileSystemTest, OpenTextRefusesWhatIsNoReadableFile) {
  EXPECT_EQ(files_.OpenText(dir_.Path().wstring() + L"\\missing.config"), nullptr);
  EXPECT_EQ(files_.OpenText(Apps().wstring()), nullptr);
  EXPECT_EQ(files_.OpenText(Folder() + std::wstring(L"readme.txt\0.x", 13)), nullptr);
}

}  // namespace

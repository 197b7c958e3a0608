#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "fakes/temp_dir.h"
#include "base/line_reader.h"
#include "platform/linux/file_system_linux.h"
#include "base/utf.h"
#include "platform/linux/wine_paths.h"
#include "base/wildcard.h"
#include "text_file_cases.h"

namespace {

namespace fs = std::filesystem;
using text::LineReader;
using text::MatchesWildcard;
using text::FromUtf8;
using platform::linux_backend::ParseDrivePath;
using platform::linux_backend::WineFileSystem;
using platform::linux_backend::WinePathMapper;
using Last = WinePathMapper::Last;

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// A small Wine prefix: drive c: with an installation whose folders are
// written in mixed case, e: pointing into it by an upper-case link, z: at the
// Linux root and q: at nothing.
class WinePrefixTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path& root = dir_.Path();
    fs::create_directories(root / "dosdevices");
    fs::create_directories(root / "drive_c");
    fs::create_directory_symlink("../drive_c", root / "dosdevices/c:");
    fs::create_directory_symlink("../drive_c/Apps", root / "dosdevices/E:");
    fs::create_directory_symlink("/", root / "dosdevices/z:");
    fs::create_directory_symlink("../drive_q", root / "dosdevices/q:");

    const fs::path install = root / "drive_c/Apps/Velotrace 2023";
    for (const char* name : {"Plugin.DLL", "other.dll", "readme.txt", "notes.DLLX", "bad\xff.dll", "back\\slash.dll"}) {
      WriteFile(install / "apps" / name, "MZ");
    }
    fs::create_directories(install / "apps/x.dll");
    for (const char* name : {"a.ft", "B.FT", "hook.dll"}) WriteFile(install / "CHOOKS" / name, "table");
    fs::create_symlink("missing.dll", install / "CHOOKS/dangling.dll");
    WriteFile(root / "drive_c/Case/data", "lower");
    WriteFile(root / "drive_c/Case/DATA", "upper");
    WriteFile(root / "drive_c/\xC3\x9Cn\xC3\xAF" "code/\xC3\x9C" "bersicht.txt", "u");
  }

  const fs::path& Root() const { return dir_.Path(); }

 private:
  fakes::TempDir dir_{"veloinspect-wine"};
};

TEST(ParseDrivePath, TakesAbsoluteDrivePathsApartByName) {
  struct Case {
    const char* name;
    std::wstring path;
    std::optional<std::vector<std::wstring>> want;
  };
  using Names = std::vector<std::wstring>;
  const Case cases[] = {
      {"backslashes", L"C:\\Apps\\x.dll", Names{L"Apps", L"x.dll"}},
      {"slashes and repeated separators", L"c://Apps\\\\x.dll/", Names{L"Apps", L"x.dll"}},
      {"dot and dot-dot by name", L"C:\\a\\.\\b\\..\\c", Names{L"a", L"c"}},
      {"dot-dot stops at the root", L"C:\\..\\..\\a\\..\\..\\b", Names{L"b"}},
      {"root", L"C:\\", Names{}},
      {"spaces and non-ASCII are names", L"C:\\Velotrace 2023\\\u00DCber", Names{L"Velotrace 2023", L"\u00DCber"}},
      {"empty", L"", std::nullopt},
      {"drive without separator", L"C:", std::nullopt},
      {"relative to a drive", L"C:Apps", std::nullopt},
      {"rooted without drive", L"\\Apps", std::nullopt},
      {"relative", L"Apps\\x.dll", std::nullopt},
      {"UNC", L"\\\\server\\share\\x.dll", std::nullopt},
      {"device path", L"\\\\?\\C:\\x.dll", std::nullopt},
      {"digit for a drive", L"1:\\x", std::nullopt},
      {"non-ASCII drive letter", L"\u00C4:\\x", std::nullopt},
      {"wildcard in a name", L"C:\\Apps\\*.dll", std::nullopt},
      {"stream name", L"C:\\Apps\\x.dll:stream", std::nullopt},
      {"NUL in a name", std::wstring(L"C:\\Apps\0\\x", 10), std::nullopt},
  };
  for (const Case& c : cases) {
    const auto got = ParseDrivePath(c.path);
    ASSERT_EQ(got.has_value(), c.want.has_value()) << c.name;
    if (!got) continue;
    EXPECT_EQ(got->drive, L'c') << c.name;
    EXPECT_EQ(got->names, *c.want) << c.name;
  }
}

TEST_F(WinePrefixTest, MapsDrivePathsToTheRealEntries) {
  struct Case {
    const char* name;
    std::wstring path;
    Last last;
    const char* want;  // below the prefix; nullptr for no mapping
  };
  const Case cases[] = {
      {"names in other cases", L"c:\\APPS\\velotrace 2023\\chooks", Last::MustExist, "dosdevices/c:/Apps/Velotrace 2023/CHOOKS"},
      {"slashes, dots, repeated separators", L"C:/Apps//Velotrace 2023/./CHOOKS/", Last::MustExist,
       "dosdevices/c:/Apps/Velotrace 2023/CHOOKS"},
      {"dot-dot resolved by name, never above the root", L"C:\\..\\Apps\\nowhere\\..\\Velotrace 2023", Last::MustExist,
       "dosdevices/c:/Apps/Velotrace 2023"},
      {"drive root", L"C:\\", Last::MustExist, "dosdevices/c:"},
      {"drive link in upper case", L"e:\\velotrace 2023", Last::MustExist, "dosdevices/E:/Velotrace 2023"},
      {"exact name first, lower case", L"C:\\case\\data", Last::MustExist, "dosdevices/c:/Case/data"},
      {"exact name first, upper case", L"C:\\case\\DATA", Last::MustExist, "dosdevices/c:/Case/DATA"},
      {"no exact name: first in byte order", L"C:\\case\\Data", Last::MustExist, "dosdevices/c:/Case/DATA"},
      {"non-ASCII names", L"C:\\\u00DCn\u00EFcode\\\u00DCbersicht.TXT", Last::MustExist,
       "dosdevices/c:/\xC3\x9Cn\xC3\xAF" "code/\xC3\x9C" "bersicht.txt"},
      {"case ignored for A-Z only", L"C:\\\u00FCn\u00EFcode\\\u00DCbersicht.txt", Last::MustExist, nullptr},
      {"missing file", L"C:\\Apps\\missing.txt", Last::MustExist, nullptr},
      {"missing file allowed", L"C:\\apps\\missing.txt", Last::MayBeMissing, "dosdevices/c:/Apps/missing.txt"},
      {"existing file keeps its real name", L"C:\\APPS\\VELOTRACE 2023\\APPS\\plugin.dll", Last::MayBeMissing,
       "dosdevices/c:/Apps/Velotrace 2023/apps/Plugin.DLL"},
      {"missing folder", L"C:\\nowhere\\x.txt", Last::MayBeMissing, nullptr},
      {"file taken for a folder", L"C:\\Apps\\Velotrace 2023\\apps\\Plugin.DLL\\x", Last::MayBeMissing, nullptr},
      {"link to nothing", L"C:\\Apps\\Velotrace 2023\\chooks\\dangling.dll", Last::MustExist, nullptr},
      {"unknown drive", L"D:\\Apps", Last::MayBeMissing, nullptr},
      {"drive link to nothing", L"Q:\\", Last::MayBeMissing, nullptr},
      {"UNC", L"\\\\server\\share\\Apps", Last::MayBeMissing, nullptr},
  };
  const WinePathMapper mapper(Root());
  for (const Case& c : cases) {
    const auto got = mapper.ToLinux(c.path, c.last);
    if (c.want == nullptr) {
      EXPECT_FALSE(got.has_value()) << c.name << ": " << got.value_or("").string();
    } else {
      EXPECT_EQ(got.value_or("(none)").string(), (Root() / c.want).string()) << c.name;
    }
  }
}

TEST_F(WinePrefixTest, DriveZLeadsToTheLinuxRoot) {
  const WinePathMapper mapper(Root());
  const std::wstring path = L"Z:" + text::FromUtf8((Root() / "DRIVE_C" / "apps").string());
  const auto got = mapper.ToLinux(path);
  ASSERT_TRUE(got.has_value());
  EXPECT_TRUE(fs::equivalent(*got, Root() / "drive_c/Apps"));
  EXPECT_EQ(got->filename(), "Apps");
}

TEST_F(WinePrefixTest, NoPrefixMapsNothing) {
  EXPECT_FALSE(WinePathMapper(Root() / "drive_c").ToLinux(L"C:\\Apps").has_value());
  EXPECT_FALSE(WinePathMapper(fs::path()).ToLinux(L"C:\\", Last::MayBeMissing).has_value());
}

TEST(MatchesWildcard, StarsQuestionMarksAndCase) {
  struct Case {
    const char* name;
    std::wstring pattern;
    std::wstring text;
    bool want;
  };
  const Case cases[] = {
      {"extension", L"*.dll", L"plugin.dll", true},
      {"case of the name", L"*.dll", L"PLUGIN.DLL", true},
      {"case of the pattern", L"*.FT", L"a.ft", true},
      {"longer extension", L"*.dll", L"notes.dllx", false},
      {"star may be empty", L"*.dll", L".dll", true},
      {"dot is no wildcard", L"*.dll", L"xdll", false},
      {"question mark is one character", L"?.ft", L"a.ft", true},
      {"question mark is never none", L"?.ft", L".ft", false},
      {"question mark is never two", L"?.ft", L"ab.ft", false},
      {"star alone takes the empty name", L"*", L"", true},
      {"empty pattern takes only the empty name", L"", L"a", false},
      {"stars in a row", L"a**b", L"ab", true},
      {"a later match after a false start", L"*ab", L"aab", true},
      {"several stars", L"a*b*c", L"axxbyyc", true},
      {"order counts", L"a*b*c", L"acb", false},
      {"star then question mark needs a character", L"*?", L"", false},
      {"no bracket classes", L"[ab].dll", L"a.dll", false},
      {"brackets are characters", L"[ab].dll", L"[AB].DLL", true},
      {"case ignored for A-Z only", L"\u00FC*", L"\u00DCber", false},
      {"non-ASCII equal", L"\u00DC*", L"\u00DCber", true},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesWildcard(c.pattern, c.text), c.want) << c.name;
}

TEST(MatchesWildcard, ManyStarsOnALongNameFinishQuickly) {
  const std::wstring pattern = L"*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b";
  const std::wstring name(200000, L'a');
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(MatchesWildcard(pattern, name));
  EXPECT_TRUE(MatchesWildcard(pattern, name + L"b"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// Every found path as the search gives it, "/" added for a directory, sorted
// to compare; each name must be the end of its path.
std::vector<std::wstring> Describe(const std::vector<platform::FoundFile>& found, const std::wstring& folder) {
  std::vector<std::wstring> out;
  for (const auto& file : found) {
    EXPECT_EQ(file.path, folder + file.name);
    out.push_back(file.path + (file.directory ? L"/" : L""));
  }
  std::sort(out.begin(), out.end());
  return out;
}

TEST_F(WinePrefixTest, FindListsMatchingEntries) {
  struct Case {
    const char* name;
    std::wstring folder;
    std::wstring wildcard;
    std::vector<std::wstring> want;  // sorted
  };
  const std::wstring apps = L"C:\\Apps\\Velotrace 2023\\apps\\";
  const std::wstring chooks = L"c:/apps/velotrace 2023/chooks/";
  const Case cases[] = {
      {"libraries, a folder among them; unnamable entries left out", apps, L"*.dll",
       {apps + L"Plugin.DLL", apps + L"other.dll", apps + L"x.dll/"}},
      {"folder written another way", chooks, L"*.FT", {chooks + L"B.FT", chooks + L"a.ft"}},
      {"everything but dot and dot-dot; a dangling link is a file", chooks, L"*",
       {chooks + L"B.FT", chooks + L"a.ft", chooks + L"dangling.dll", chooks + L"hook.dll"}},
      {"dot and dot-dot never match", chooks, L".*", {}},
      {"drive root", L"C:\\", L"*", {L"C:\\Apps/", L"C:\\Case/", L"C:\\\u00DCn\u00EFcode/"}},
      {"no wildcard", apps, L"OTHER.DLL", {apps + L"other.dll"}},
      {"empty wildcard", apps, L"", {}},
      {"missing folder", L"C:\\Apps\\Velotrace 2024\\", L"*", {}},
      {"file for a folder", apps + L"Plugin.DLL\\", L"*", {}},
      {"no folder", L"", L"*.dll", {}},
  };
  WineFileSystem files{WinePathMapper(Root())};
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(files.Find(c.folder + c.wildcard), c.folder), c.want) << c.name;
  }
}

TEST_F(WinePrefixTest, FindKeepsTheDirectoryOrder) {
  WineFileSystem files{WinePathMapper(Root())};
  std::vector<std::wstring> listed;
  for (const auto& entry : fs::directory_iterator(Root() / "drive_c/Apps/Velotrace 2023/CHOOKS")) {
    listed.push_back(text::FromUtf8(entry.path().filename().string()));
  }
  std::vector<std::wstring> found;
  for (const auto& file : files.Find(L"C:\\Apps\\Velotrace 2023\\chooks\\*")) found.push_back(file.name);
  EXPECT_EQ(found, listed);
}

std::vector<std::string> ReadAll(platform::TextFile& file) {
  std::vector<std::string> lines;
  std::string line;
  while (file.ReadLine(line)) lines.push_back(line);
  EXPECT_FALSE(file.ReadLine(line)) << "the end stays the end";
  return lines;
}

TEST_F(WinePrefixTest, OpenTextReadsLinesByTheSharedRules) {
  WineFileSystem files{WinePathMapper(Root())};
  for (const auto& c : cases::TextFileCases()) {
    WriteFile(Root() / "drive_c/users/me/AppData/Velotrace/Config/veloxm.config", c.bytes);
    const auto file = files.OpenText(L"C:\\users\\me\\AppData\\Velotrace\\config\\VELOXM.CONFIG");
    ASSERT_NE(file, nullptr) << c.name;
    EXPECT_EQ(ReadAll(*file), c.lines) << c.name;
  }
}

TEST_F(WinePrefixTest, OpenTextRefusesWhatIsNoReadableFile) {
  ASSERT_EQ(::mkfifo((Root() / "drive_c/Apps/pipe").c_str(), 0600), 0);
  struct Case {
    const char* name;
    std::wstring path;
  };
  const Case cases[] = {
      {"missing", L"C:\\Apps\\missing.config"},
      {"directory", L"C:\\Apps"},
      {"named pipe", L"C:\\Apps\\pipe"},
      {"link to nothing", L"C:\\Apps\\Velotrace 2023\\CHOOKS\\dangling.dll"},
      {"relative", L"Apps\\x.dll"},
  };
  WineFileSystem files{WinePathMapper(Root())};
  for (const Case& c : cases) EXPECT_EQ(files.OpenText(c.path), nullptr) << c.name;
}

// The same bytes must give the same lines wherever the reads of the source
// happen to end, also around a piece of the longest length.
TEST(LineReader, LinesDoNotDependOnWhereReadsEnd) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> want;  // with lines of at most 3 bytes
  };
  const Case cases[] = {
      {"full piece then CR LF", "abc\r\nd", {"abc", "d"}},
      {"full piece then LF", "abc\nd", {"abc", "d"}},
      {"CR LF split by the longest length", "ab\r\nc", {"ab", "c"}},
      {"full piece then lone CR", "abc\rd", {"abc", "\rd"}},
      {"full piece then CR at the end", "abc\r", {"abc", "\r"}},
      {"full piece ending in CR, then CR LF", "ab\r\r\n", {"ab\r"}},
      {"two pieces", "abcdef\n\n", {"abc", "def", ""}},
      {"piece and rest", "abcd", {"abc", "d"}},
  };
  for (const Case& c : cases) {
    for (std::size_t chunk = 1; chunk <= 4; ++chunk) {
      for (std::size_t buffer = 2; buffer <= 5; ++buffer) {
        std::size_t at = 0;
        LineReader reader(
            [&](char* out, std::size_t size) {
              const std::size_t n = std::min({size, chunk, c.bytes.size() - at});
              c.bytes.copy(out, n, at);
              at += n;
              return n;
            },
            buffer, 3);
        std::vector<std::string> lines;
        std::string line;
        while (reader.ReadLine(line)) lines.push_back(line);
        EXPECT_EQ(lines, c.want) << c.name << ", reads of " << chunk << ", buffer " << buffer;
      }
    }
  }
}

}  // namespace

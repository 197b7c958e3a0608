#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/temp_dir.h"
#include "base/utf.h"
#include "platform/linux/registry_hive.h"
#include "platform/linux/registry_linux.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;
using platform::linux_backend::FileTimeFromUnix;
using platform::linux_backend::ParseRegistryHive;
using platform::linux_backend::RegistryHiveKey;
using platform::linux_backend::WineRegistry;
using Bytes = std::vector<std::uint8_t>;
using namespace std::string_view_literals;

Bytes Utf16(std::u16string_view text) {
  Bytes bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

// The bytes Windows stores for a string value: UTF-16LE and a NUL unit.
Bytes Utf16z(std::u16string_view text) {
  Bytes bytes = Utf16(text);
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

const fs::path kFixturePrefix = fs::path(VELOINSPECT_SOURCE_DIR) / "tests/data/wineprefix";

// A prefix directory of its own, removed with the test.
class TempPrefix {
 public:
  void Write(const char* file, std::string_view text) const {
    std::ofstream(dir_.Path() / file, std::ios::binary) << text;
  }
  const fs::path& dir() const { return dir_.Path(); }

 private:
  fakes::TempDir dir_{"veloinspect-wine"};
};

// One value read the way the callers do: open, query, close.
struct Read {
  long status = -1;
  std::uint32_t type = 0xFFFFFFFF;
  Bytes data;
};

Read ReadValue(Registry& registry, RegistryRoot root, const std::wstring& path, RegistryView view,
               const std::wstring& name, std::size_t maxBytes = 520) {
  Read read;
  RegistryKey key = kNoKey;
  read.status = registry.OpenKey(root, path, view, key);
  if (read.status != kRegSuccess) return read;
  read.status = registry.QueryValue(key, name, maxBytes, read.data, read.type);
  EXPECT_EQ(registry.CloseKey(key), kRegSuccess);
  return read;
}

std::wstring ReadText(Registry& registry, RegistryRoot root, const std::wstring& path, RegistryView view,
                      const std::wstring& name) {
  const Read read = ReadValue(registry, root, path, view, name);
  return read.status == kRegSuccess ? text::FromUtf16Le(read.data) : L"<" + std::to_wstring(read.status) + L">";
}

struct Subkey {
  std::wstring name;
  FileTime lastWrite;
  bool operator==(const Subkey&) const = default;
};

// The subkeys of an open key, by index until enumeration stops.
std::vector<Subkey> Enumerate(Registry& registry, RegistryKey key) {
  std::vector<Subkey> subkeys;
  std::wstring name;
  FileTime lastWrite = 0;
  for (std::uint32_t i = 0; registry.EnumKey(key, i, 260, name, lastWrite) == kRegSuccess; ++i) {
    subkeys.push_back({name, lastWrite});
  }
  return subkeys;
}

std::vector<std::wstring> SubkeyNames(Registry& registry, RegistryRoot root, const std::wstring& path,
                                      RegistryView view) {
  RegistryKey key = kNoKey;
  if (registry.OpenKey(root, path, view, key) != kRegSuccess) return {L"<cannot open>"};
  std::vector<std::wstring> names;
  for (const Subkey& subkey : Enumerate(registry, key)) names.push_back(subkey.name);
  registry.CloseKey(key);
  return names;
}

const RegistryHiveKey* FindPath(const RegistryHiveKey& root, std::initializer_list<const wchar_t*> path) {
  const RegistryHiveKey* key = &root;
  for (const wchar_t* name : path) {
    if (key == nullptr) return nullptr;
    key = key->FindSubkey(name);
  }
  return key;
}

TEST(RegistryHive, DecodesEveryValueFormWineWrites) {
  struct Case {
    const char* name;
    std::string line;
    std::wstring valueName;
    std::uint32_t type;
    Bytes data;
  };
  const Case cases[] = {
      {"plain string", R"("Name"="Hello")", L"Name", kRegSz, Utf16z(u"Hello")},
      {"C escapes", R"("E"="a\\b \"q\" \n\r\t\0z\a\e")", L"E", kRegSz, Utf16z(u"a\\b \"q\" \n\r\t\0z\a\x1b"sv)},
      {"hex escapes of one to four digits", R"("X"="Caf\xe9 \x00e9a \x2014\xd83d\xde00 \xz")", L"X", kRegSz,
       Utf16z(u"Caf\u00e9 \u00e9a \u2014\U0001F600 xz")},
      {"octal escapes", R"("O"="\1\0012\101")", L"O", kRegSz, Utf16z(u"\x01\x01" u"2A")},
      {"other escaped characters stand for themselves", R"("Q"="\[\]\q")", L"Q", kRegSz, Utf16z(u"[]q")},
      {"UTF-8 taken as written", "\"U\"=\"Gr\xC3\xBC\xC3\x9F\xF0\x9F\x98\x80 \xFF\"", L"U", kRegSz,
       Utf16z(u"Gr\u00fc\u00df\U0001F600 \uFFFD")},
      {"escapes in the value name", R"("\x00dcber\\sicht \"x\""="")", L"\u00dcber\\sicht \"x\"", kRegSz, Utf16z(u"")},
      {"default value", R"(@="chm.file")", L"", kRegSz, Utf16z(u"chm.file")},
      {"empty string", R"("Empty"="")", L"Empty", kRegSz, Bytes{0, 0}},
      {"dword", "\"D\"=dword:0000000a", L"D", kRegDword, Bytes{0x0a, 0, 0, 0}},
      {"dword in capitals", "\"D\"=dword:DEADBEEF", L"D", kRegDword, Bytes{0xef, 0xbe, 0xad, 0xde}},
      {"empty binary", "\"B\"=hex:", L"B", kRegBinary, Bytes{}},
      {"binary over continuation lines", "\"B\"=hex:01,02,\\\n  03,\\\n  ff", L"B", kRegBinary,
       Bytes{1, 2, 3, 0xff}},
      {"expandable string as hex(2)", "\"P\"=hex(2):25,00,41,00,00,00", L"P", kRegExpandSz, Bytes{0x25, 0, 0x41, 0, 0, 0}},
      {"expandable string as str(2)", R"("P"=str(2):"%SystemRoot%\\x")", L"P", kRegExpandSz, Utf16z(u"%SystemRoot%\\x")},
      {"multi-string as hex(7)", "\"M\"=hex(7):61,00,00,00,62,00,00,00,00,00", L"M", kRegMultiSz,
       Bytes{0x61, 0, 0, 0, 0x62, 0, 0, 0, 0, 0}},
      {"multi-string as str(7)", R"("M"=str(7):"a\0b\0")", L"M", kRegMultiSz, Utf16z(u"a\0b\0"sv)},
      {"qword", "\"Q\"=hex(b):e5,d4,c3,b2,a1,f0,d9,01", L"Q", kRegQword,
       Bytes{0xe5, 0xd4, 0xc3, 0xb2, 0xa1, 0xf0, 0xd9, 0x01}},
      {"a type of the program's own", "\"T\"=hex(100000):7", L"T", 0x100000, Bytes{7}},
      {"carriage return at the line end", "\"C\"=\"x\"\r", L"C", kRegSz, Utf16z(u"x")},
  };
  for (const Case& c : cases) {
    const RegistryHiveKey root = ParseRegistryHive("WINE REGISTRY Version 2\n\n[K] 0\n" + c.line + "\n");
    const RegistryHiveKey* key = root.FindSubkey(L"K");
    ASSERT_NE(key, nullptr) << c.name;
    ASSERT_EQ(key->Values().size(), 1u) << c.name;
    EXPECT_EQ(key->Values()[0].name, c.valueName) << c.name;
    EXPECT_EQ(key->Values()[0].type, c.type) << c.name;
    EXPECT_EQ(key->Values()[0].data, c.data) << c.name;
  }
}

// Every bad line is dropped on its own: the value after it still arrives.
TEST(RegistryHive, SkipsMalformedValueLinesAndKeepsTheRest) {
  struct Case {
    const char* name;
    std::string line;
  };
  const Case cases[] = {
      {"unterminated text", R"("bad"="abc)"},
      {"unterminated name", R"("bad=1)"},
      {"no equals sign", R"("bad" "x")"},
      {"unknown form", R"("bad"=qword:1)"},
      {"dword of nine digits", R"("bad"=dword:123456789)"},
      {"dword with trailing junk", R"("bad"=dword:12x)"},
      {"dword without digits", R"("bad"=dword:)"},
      {"bad hex digit", R"("bad"=hex:0g)"},
      {"hex byte of three digits", R"("bad"=hex:123)"},
      {"empty byte between commas", R"("bad"=hex:01,,02)"},
      {"unclosed type", R"("bad"=hex(2:01)"},
      {"type of nine digits", R"("bad"=hex(123456789):01)"},
      {"str form without quotes", R"("bad"=str(2):abc)"},
      {"text after a continuation mark", R"("bad"=hex:01,\ 02)"},
      {"continuation broken by a value line", "\"bad\"=hex:01,\\\n\"other\"=\"x\""},
  };
  for (const Case& c : cases) {
    const RegistryHiveKey root = ParseRegistryHive("[K] 0\n" + c.line + "\n\"after\"=\"ok\"\n");
    const RegistryHiveKey* key = root.FindSubkey(L"K");
    ASSERT_NE(key, nullptr) << c.name;
    EXPECT_EQ(key->FindValue(L"bad"), nullptr) << c.name;
    const auto* after = key->FindValue(L"after");
    ASSERT_NE(after, nullptr) << c.name;
    EXPECT_EQ(after->data, Utf16z(u"ok")) << c.name;
  }
}

TEST(RegistryHive, BuildsTheTreeInFileOrderAndMergesKeysOfOneName) {
  const std::string hive = R"(WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\Machine

#arch=win64
"orphan"="before any key"

[Software\\BRENNICK, INC.\\Velotrace 2023] 1700000000
#time=1d9f0a1b2c3d4e5
"Directory"="C:\\one"

[Software\\Zeta] 1600000000
"A"="1"

[software\\brennick, inc.] 1700000100
"LastInstalledVersion"="Velotrace 2023"

[SOFTWARE\\Brennick, Inc.\\Alpha] 0
"Directory"="C:\\two"
"directory"="C:\\three"

[Software\\Broken
"stray"="belongs to no key"
#time=1

[Software\\\x00dcber] 1

[System\\\\Select\\] 1
"Current"=dword:00000001

[] 2
@="root default"
)";
  const RegistryHiveKey root = ParseRegistryHive(hive);

  ASSERT_EQ(root.Subkeys().size(), 2u);
  EXPECT_EQ(root.Subkeys()[0]->name, L"Software");
  EXPECT_EQ(root.Subkeys()[1]->name, L"System");
  ASSERT_EQ(root.Values().size(), 1u) << "only the root's own default value, not the orphan";
  EXPECT_EQ(root.Values()[0].data, Utf16z(u"root default"));

  const RegistryHiveKey* software = root.FindSubkey(L"SOFTWARE");
  ASSERT_NE(software, nullptr);
  std::vector<std::wstring> names;
  for (const auto& subkey : software->Subkeys()) names.push_back(subkey->name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"BRENNICK, INC.", L"Zeta", L"\u00dcber"}));
  // A key only implied by a deeper line keeps that line's time until a line
  // of its own names it.
  EXPECT_EQ(software->lastWrite, FileTimeFromUnix(1700000000));

  const RegistryHiveKey* maker = software->FindSubkey(L"Brennick, Inc.");
  ASSERT_NE(maker, nullptr);
  EXPECT_EQ(maker->lastWrite, FileTimeFromUnix(1700000100));
  ASSERT_EQ(maker->Subkeys().size(), 2u);
  EXPECT_EQ(maker->Subkeys()[0]->name, L"Velotrace 2023");
  EXPECT_EQ(maker->Subkeys()[0]->lastWrite, 0x1d9f0a1b2c3d4e5u) << "#time wins over the stamp";
  EXPECT_NE(maker->FindValue(L"lastinstalledversion"), nullptr);

  const RegistryHiveKey* alpha = maker->FindSubkey(L"ALPHA");
  ASSERT_NE(alpha, nullptr);
  ASSERT_EQ(alpha->Values().size(), 1u) << "a later value of the same name replaces the earlier one";
  EXPECT_EQ(alpha->Values()[0].data, Utf16z(u"C:\\three"));
  EXPECT_EQ(alpha->lastWrite, FileTimeFromUnix(0));

  const RegistryHiveKey* zeta = software->FindSubkey(L"zeta");
  ASSERT_NE(zeta, nullptr);
  EXPECT_EQ(zeta->Values().size(), 1u) << "values after a broken key line go nowhere";
  EXPECT_EQ(zeta->lastWrite, FileTimeFromUnix(1600000000));
  EXPECT_EQ(software->FindSubkey(L"Broken"), nullptr);

  // Only A-Z fold: "Ü" is not "ü".
  EXPECT_NE(software->FindSubkey(L"\u00dcBER"), nullptr);
  EXPECT_EQ(software->FindSubkey(L"\u00fcber"), nullptr);

  const RegistryHiveKey* select = FindPath(root, {L"System", L"Select"});
  ASSERT_NE(select, nullptr) << "runs of separators count as one";
  EXPECT_EQ(select->Subkeys().size(), 0u);
  EXPECT_NE(select->FindValue(L"Current"), nullptr);
}

TEST(RegistryHive, RefusesKeysDeeperThanTheRegistryAllows) {
  auto keyLine = [](std::size_t depth) {
    std::string line = "[";
    for (std::size_t i = 0; i < depth; ++i) line += i == 0 ? "k" : "\\\\k";
    return line + "] 0\n\"v\"=\"x\"\n";
  };
  const RegistryHiveKey deepest = ParseRegistryHive(keyLine(linux_backend::kMaxHiveDepth));
  const RegistryHiveKey* key = &deepest;
  for (std::size_t i = 0; i < linux_backend::kMaxHiveDepth && key != nullptr; ++i) key = key->FindSubkey(L"k");
  ASSERT_NE(key, nullptr);
  EXPECT_NE(key->FindValue(L"v"), nullptr);

  const RegistryHiveKey tooDeep = ParseRegistryHive(keyLine(linux_backend::kMaxHiveDepth + 1));
  EXPECT_TRUE(tooDeep.Subkeys().empty());
}

TEST(RegistryHive, FileTimeCountsFrom1601) {
  EXPECT_EQ(FileTimeFromUnix(0), 116444736000000000u);
  // A key line Wine wrote: "[...] 1796908159" and "#time=1dd88a7aadc4c18".
  EXPECT_LE(FileTimeFromUnix(1796908159), 0x1dd88a7aadc4c18u);
  EXPECT_GT(FileTimeFromUnix(1796908160), 0x1dd88a7aadc4c18u);
}

// The calls installed version discovery makes, against a prefix written the
// way Wine writes it.
TEST(WineRegistry, AnswersDiscoveryFromTheFixturePrefix) {
  WineRegistry registry(kFixturePrefix);
  const std::wstring uninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

  EXPECT_EQ(ReadText(registry, RegistryRoot::LocalMachine, L"SOFTWARE\\BRENNICK, INC.", RegistryView::Native,
                     L"LastInstalledVersion"),
            L"Velotrace 2023");

  RegistryKey key = kNoKey;
  ASSERT_EQ(registry.OpenKey(RegistryRoot::LocalMachine, uninstall, RegistryView::Native, key), kRegSuccess);
  const std::vector<Subkey> subkeys = Enumerate(registry, key);
  const std::vector<Subkey> want = {
      {L"{3D6E9A40-7C21-4B8F-A5E3-0F19D2C4B871}", FileTimeFromUnix(1700000100) + 5550000},
      {L"Microsoft Visual C++ 2015-2022 Redistributable (x64)", FileTimeFromUnix(1700000200)},
      {L"NoDisplayName", FileTimeFromUnix(1700000250)},
      {L"VeloTrace X9", FileTimeFromUnix(1700000300)},
      {L"Velotrace for SOLIDWORKS 2023", FileTimeFromUnix(1700000400)},
  };
  EXPECT_EQ(subkeys, want);
  std::wstring name;
  FileTime lastWrite = 0;
  EXPECT_EQ(registry.EnumKey(key, static_cast<std::uint32_t>(want.size()), 260, name, lastWrite), kRegNoMoreItems);
  EXPECT_EQ(registry.CloseKey(key), kRegSuccess);

  std::vector<std::wstring> displayNames;
  for (const Subkey& subkey : subkeys) {
    displayNames.push_back(ReadText(registry, RegistryRoot::LocalMachine, uninstall + L"\\" + subkey.name,
                                    RegistryView::Native, L"DisplayName"));
  }
  EXPECT_EQ(displayNames, (std::vector<std::wstring>{L"Velotrace 2023",
                                                     L"Microsoft Visual C++ 2015-2022 Redistributable (x64) - 14.36.32532",
                                                     L"<2>", L"VeloTrace X9 for SOLIDWORKS",
                                                     L"Velotrace for SOLIDWORKS 2023"}));

  // The per-user keys are opened with the lower-cased display name.
  const std::wstring user = L"SOFTWARE\\BRENNICK, INC.\\";
  EXPECT_EQ(ReadText(registry, RegistryRoot::CurrentUser, user + L"velotrace 2023", RegistryView::Native, L"Directory"),
            L"C:\\Apps\\Velotrace 2023");
  EXPECT_EQ(ReadText(registry, RegistryRoot::CurrentUser, user + L"velotrace 2023", RegistryView::Native, L"UserDir"),
            L"C:\\users\\vt\\Documents\\Velotrace");
  const Read units = ReadValue(registry, RegistryRoot::CurrentUser, user + L"velotrace 2023", RegistryView::Native,
                               L"Startup-Units", 10);
  EXPECT_EQ(units.status, kRegSuccess);
  EXPECT_EQ(units.data, Utf16z(u"Inch"));
  const Read tooLong = ReadValue(registry, RegistryRoot::CurrentUser, user + L"velotrace x9 for solidworks",
                                 RegistryView::Native, L"Startup-Units", 10);
  EXPECT_EQ(tooLong.status, kRegMoreData);
  EXPECT_TRUE(tooLong.data.empty());
  EXPECT_EQ(tooLong.type, kRegSz);
}

TEST(WineRegistry, ReturnsTheStoredBytesOfEveryType) {
  WineRegistry registry(kFixturePrefix);
  const std::wstring x9 = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VeloTrace X9";
  struct Case {
    const char* name;
    std::wstring valueName;
    std::uint32_t type;
    Bytes data;
  };
  Bytes signature;
  for (std::uint8_t b = 0x20; b < 0x50; ++b) signature.push_back(b);
  const Case cases[] = {
      {"escapes", L"Comments", kRegSz, Utf16z(u"Caf\u00e9 \u2014 \"quoted\"\ttab\r\nline 2 \U0001F600\\end")},
      {"str(2)", L"DisplayIcon", kRegExpandSz, Utf16z(u"%ProgramFiles%\\Velotrace X9\\x9.exe,0")},
      {"hex(7) over two lines, stored without its last NUL", L"Features", kRegMultiSz, Utf16(u"core\0render"sv)},
      {"qword", L"InstallDate", kRegQword, Bytes{0xe5, 0xd4, 0xc3, 0xb2, 0xa1, 0xf0, 0xd9, 0x01}},
      {"str(7)", L"Languages", kRegMultiSz, Utf16z(u"en-US\0de-DE\0"sv)},
      {"binary over three lines", L"Signature", kRegBinary, signature},
      {"escaped value name", L"\u00dcbersetzung", kRegSz, Utf16z(u"Deutsch")},
  };
  for (const Case& c : cases) {
    const Read read = ReadValue(registry, RegistryRoot::LocalMachine, x9, RegistryView::Native, c.valueName, 4096);
    EXPECT_EQ(read.status, kRegSuccess) << c.name;
    EXPECT_EQ(read.type, c.type) << c.name;
    EXPECT_EQ(read.data, c.data) << c.name;
  }
  const Read level = ReadValue(registry, RegistryRoot::LocalMachine,
                               L"SYSTEM\\ControlSet001\\Control\\Video\\{5A1B2C3D-0000-1111-2222-333344445555}\\0000",
                               RegistryView::Native, L"Acceleration.Level", 4);
  EXPECT_EQ(level.status, kRegSuccess);
  EXPECT_EQ(level.type, kRegDword);
  EXPECT_EQ(level.data, (Bytes{5, 0, 0, 0}));
  EXPECT_EQ(ReadValue(registry, RegistryRoot::LocalMachine, x9, RegistryView::Native, L"NoSuchValue").status,
            kRegFileNotFound);
}

TEST(WineRegistry, The32BitViewRedirectsOnlyBelowMachineSoftware) {
  WineRegistry registry(kFixturePrefix);
  const std::wstring uninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  EXPECT_EQ(SubkeyNames(registry, RegistryRoot::LocalMachine, uninstall, RegistryView::Wow64_32),
            (std::vector<std::wstring>{L"Microsoft Visual C++ 2015-2022 Redistributable (x86)",
                                       L"{7A2B5C11-9E3D-4C6A-8B0F-2D4E6F809A1B}"}));

  struct Case {
    const char* name;
    RegistryRoot root;
    std::wstring path;
    std::wstring valueName;
    std::wstring want;
  };
  const Case cases[] = {
      {"machine software", RegistryRoot::LocalMachine, L"software\\brennick, inc.", L"LastInstalledVersion",
       L"Velotrace 2022"},
      {"a path naming Wow6432Node is not redirected twice", RegistryRoot::LocalMachine,
       L"Software\\WOW6432NODE\\BRENNICK, INC.", L"LastInstalledVersion", L"Velotrace 2022"},
      {"outside Software nothing moves", RegistryRoot::LocalMachine,
       L"System\\ControlSet001\\Control\\Video\\{5A1B2C3D-0000-1111-2222-333344445555}\\0000", L"Acceleration.Level",
       L"\x05"},
      {"the user's keys have one view", RegistryRoot::CurrentUser, L"Software\\Brennick, Inc.\\velotrace 2023",
       L"Startup-Units", L"Inch"},
      {"a link in the 32-bit branch is followed", RegistryRoot::LocalMachine,
       L"Software\\Classes\\CLSID\\{8C4D2E61-3B7A-4F0E-9D52-6A1E0B7C3F29}", L"", L"Velotrace 32-bit Viewer"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadText(registry, c.root, c.path, RegistryView::Wow64_32, c.valueName), c.want) << c.name;
  }

  // Below a key opened at Software, the view of each further open decides.
  RegistryKey software = kNoKey;
  ASSERT_EQ(registry.OpenKey(RegistryRoot::LocalMachine, L"Software", RegistryView::Wow64_32, software), kRegSuccess);
  for (const auto view : {RegistryView::Native, RegistryView::Wow64_32}) {
    RegistryKey maker = kNoKey;
    ASSERT_EQ(registry.OpenSubKey(software, L"BRENNICK, INC.", view, maker), kRegSuccess);
    Bytes data;
    std::uint32_t type = 0;
    EXPECT_EQ(registry.QueryValue(maker, L"LastInstalledVersion", 520, data, type), kRegSuccess);
    EXPECT_EQ(text::FromUtf16Le(data), view == RegistryView::Native ? L"Velotrace 2023" : L"Velotrace 2022");
    // Below Software a key keeps its branch, whatever view opens below it.
    RegistryKey same = kNoKey;
    EXPECT_EQ(registry.OpenSubKey(maker, L"", RegistryView::Wow64_32, same), kRegSuccess);
    EXPECT_EQ(registry.QueryValue(same, L"LastInstalledVersion", 520, data, type), kRegSuccess);
    EXPECT_EQ(text::FromUtf16Le(data), view == RegistryView::Native ? L"Velotrace 2023" : L"Velotrace 2022");
    registry.CloseKey(same);
    registry.CloseKey(maker);
  }
  registry.CloseKey(software);
}

TEST(WineRegistry, PathsAndBufferLimits) {
  TempPrefix prefix;
  const std::string name259(259, 'n');
  const std::string text259(259, 't');
  prefix.Write("system.reg", "WINE REGISTRY Version 2\n\n[Top\\\\" + name259 + "] 5\n" + "\"Fits\"=\"" + text259 +
                                     "\"\n\"TooLong\"=\"" + text259 + "t\"\n"
                                     "[Top\\\\\\xd83d\\xde00] 6\n"
                                     "[Loop] 7\n#link\n\"SymbolicLinkValue\"=hex(6):5c,00,52,00,65,00,67,00,69,00,"
                                     "73,00,74,00,72,00,79,00,5c,00,4d,00,61,00,63,00,68,00,69,00,6e,00,65,00,5c,00,"
                                     "4c,00,6f,00,6f,00,70,00\n");
  WineRegistry registry(prefix.dir());

  RegistryKey top = kNoKey;
  ASSERT_EQ(registry.OpenKey(RegistryRoot::LocalMachine, L"Top\\", RegistryView::Native, top), kRegSuccess)
      << "a trailing separator is allowed";
  std::wstring name;
  FileTime lastWrite = 0;
  EXPECT_EQ(registry.EnumKey(top, 0, 259, name, lastWrite), kRegMoreData);
  EXPECT_TRUE(name.empty());
  EXPECT_EQ(registry.EnumKey(top, 0, 260, name, lastWrite), kRegSuccess);
  EXPECT_EQ(name, std::wstring(259, L'n'));
  EXPECT_EQ(lastWrite, FileTimeFromUnix(5));
  // A character beyond the first plane takes two of the system's units.
  EXPECT_EQ(registry.EnumKey(top, 1, 2, name, lastWrite), kRegMoreData);
  EXPECT_EQ(registry.EnumKey(top, 1, 3, name, lastWrite), kRegSuccess);
  EXPECT_EQ(name, L"\U0001F600");
  EXPECT_EQ(registry.EnumKey(top, 2, 260, name, lastWrite), kRegNoMoreItems);

  RegistryKey sub = kNoKey;
  ASSERT_EQ(registry.OpenSubKey(top, std::wstring(259, L'N'), RegistryView::Native, sub), kRegSuccess);
  Bytes data;
  std::uint32_t type = 0;
  EXPECT_EQ(registry.QueryValue(sub, L"fits", 520, data, type), kRegSuccess);
  EXPECT_EQ(data.size(), 520u);
  EXPECT_EQ(registry.QueryValue(sub, L"TooLong", 520, data, type), kRegMoreData);
  EXPECT_TRUE(data.empty());
  EXPECT_EQ(registry.QueryValue(sub, L"TooLong", 522, data, type), kRegSuccess);
  EXPECT_EQ(registry.CloseKey(sub), kRegSuccess);
  EXPECT_EQ(registry.CloseKey(top), kRegSuccess);

  struct Case {
    const char* name;
    std::wstring path;
    long want;
  };
  const Case cases[] = {
      {"empty path opens the root", L"", kRegSuccess},
      {"runs of separators", L"top\\\\" + std::wstring(259, L'n'), kRegSuccess},
      {"leading separator", L"\\Top", kRegFileNotFound},
      {"missing key", L"Top\\Nope", kRegFileNotFound},
      {"a link to itself", L"Loop", kRegFileNotFound},
  };
  for (const Case& c : cases) {
    RegistryKey key = kNoKey;
    EXPECT_EQ(registry.OpenKey(RegistryRoot::LocalMachine, c.path, RegistryView::Native, key), c.want) << c.name;
    EXPECT_EQ(key == kNoKey, c.want != kRegSuccess) << c.name;
    if (key != kNoKey) registry.CloseKey(key);
  }
  EXPECT_EQ(SubkeyNames(registry, RegistryRoot::LocalMachine, L"", RegistryView::Native),
            (std::vector<std::wstring>{L"Top", L"Loop"}));
}

TEST(WineRegistry, HandlesAreSmallNonZeroAndCloseOnce) {
  WineRegistry registry(kFixturePrefix);
  RegistryKey a = kNoKey, b = kNoKey, c = kNoKey;
  ASSERT_EQ(registry.OpenKey(RegistryRoot::LocalMachine, L"Software", RegistryView::Native, a), kRegSuccess);
  ASSERT_EQ(registry.OpenKey(RegistryRoot::CurrentUser, L"Software", RegistryView::Native, b), kRegSuccess);
  EXPECT_NE(a, kNoKey);
  EXPECT_NE(b, kNoKey);
  EXPECT_NE(a, b);
  EXPECT_LE(std::max(a, b), 2u);

  EXPECT_EQ(registry.CloseKey(a), kRegSuccess);
  EXPECT_EQ(registry.CloseKey(a), kRegInvalidHandle);
  std::wstring name;
  FileTime lastWrite = 0;
  Bytes data;
  std::uint32_t type = 0;
  RegistryKey sub = kNoKey;
  for (const RegistryKey bad : {a, kNoKey, RegistryKey{12345}}) {
    EXPECT_EQ(registry.CloseKey(bad), kRegInvalidHandle) << bad;
    EXPECT_EQ(registry.EnumKey(bad, 0, 260, name, lastWrite), kRegInvalidHandle) << bad;
    EXPECT_EQ(registry.QueryValue(bad, L"x", 520, data, type), kRegInvalidHandle) << bad;
    EXPECT_EQ(registry.OpenSubKey(bad, L"", RegistryView::Native, sub), kRegInvalidHandle) << bad;
    EXPECT_EQ(sub, kNoKey);
  }
  // The closed slot is used again, so handles stay small.
  ASSERT_EQ(registry.OpenKey(RegistryRoot::LocalMachine, L"System", RegistryView::Native, c), kRegSuccess);
  EXPECT_EQ(c, a);
  EXPECT_EQ(registry.EnumKey(c, 0, 260, name, lastWrite), kRegSuccess);
  EXPECT_EQ(name, L"ControlSet001");
  EXPECT_EQ(registry.CloseKey(b), kRegSuccess);
  EXPECT_EQ(registry.CloseKey(c), kRegSuccess);
}

TEST(WineRegistry, EveryOpenFailsWithoutItsHive) {
  TempPrefix onlyMachine;
  onlyMachine.Write("system.reg", "WINE REGISTRY Version 2\n[Software] 1\n");
  fs::create_directory(onlyMachine.dir() / "user.reg");
  TempPrefix empty;
  empty.Write("system.reg", "");
  empty.Write("user.reg", "");
  struct Case {
    const char* name;
    fs::path prefix;
    long machine;
    long user;
  };
  const Case cases[] = {
      {"no prefix at all", fs::path(), kRegFileNotFound, kRegFileNotFound},
      {"a prefix that does not exist", onlyMachine.dir() / "missing", kRegFileNotFound, kRegFileNotFound},
      {"user.reg is a directory", onlyMachine.dir(), kRegSuccess, kRegFileNotFound},
      {"empty files are empty hives", empty.dir(), kRegSuccess, kRegSuccess},
  };
  for (const Case& c : cases) {
    WineRegistry registry(c.prefix);
    for (const auto& [root, want] : {std::pair{RegistryRoot::LocalMachine, c.machine},
                                     std::pair{RegistryRoot::CurrentUser, c.user}}) {
      RegistryKey key = kNoKey;
      EXPECT_EQ(registry.OpenKey(root, L"", RegistryView::Native, key), want) << c.name;
      if (key != kNoKey) registry.CloseKey(key);
    }
  }
}

// The hive is read at the first open of one of its keys, and only then.
TEST(WineRegistry, ReadsEachHiveOnceWhenFirstNeeded) {
  TempPrefix prefix;
  WineRegistry registry(prefix.dir());
  prefix.Write("system.reg", "[First] 1\n");
  EXPECT_EQ(SubkeyNames(registry, RegistryRoot::LocalMachine, L"", RegistryView::Native),
            (std::vector<std::wstring>{L"First"}));
  prefix.Write("system.reg", "[Second] 1\n");
  prefix.Write("user.reg", "[Mine] 1\n");
  EXPECT_EQ(SubkeyNames(registry, RegistryRoot::LocalMachine, L"", RegistryView::Native),
            (std::vector<std::wstring>{L"First"}));
  EXPECT_EQ(SubkeyNames(registry, RegistryRoot::CurrentUser, L"", RegistryView::Native),
            (std::vector<std::wstring>{L"Mine"}));
}

// Sets or removes an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(FindWinePrefix, PrefersWineprefixThenHome) {
  struct Case {
    const char* name;
    const char* winePrefix;
    const char* home;
    fs::path want;
  };
  const Case cases[] = {
      {"WINEPREFIX set", "/srv/prefix", "/home/vt", "/srv/prefix"},
      {"empty WINEPREFIX", "", "/home/vt", "/home/vt/.wine"},
      {"only HOME", nullptr, "/home/vt", "/home/vt/.wine"},
      {"neither", nullptr, nullptr, fs::path()},
  };
  for (const Case& c : cases) {
    ScopedEnv prefix("WINEPREFIX", c.winePrefix);
    ScopedEnv home("HOME", c.home);
    EXPECT_EQ(linux_backend::FindWinePrefix(), c.want) << c.name;
  }
}

// A .reg file in the UTF-16LE form that Wine's reg.exe imports.
std::string RegFileUtf16(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

int RunInPrefix(const fs::path& prefix, const std::string& command) {
  const std::string line = "WINEPREFIX='" + prefix.string() +
                           "' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' " + command + " >/dev/null 2>&1";
  return std::system(line.c_str());
}

// Wine itself writes a fresh prefix; the backend reads back what reg.exe put
// into both views and the user's hive.
TEST(WineRegistryOnRealPrefix, ReadsWhatWineWrote) {
  if (std::system("command -v wine >/dev/null 2>&1 && command -v wineboot >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "wine is not on PATH";
  }
  TempPrefix prefix;
  // Whatever step fails, no server of this prefix outlives the test.
  struct ServerStop {
    const fs::path& dir;
    ~ServerStop() { RunInPrefix(dir, "timeout 30 wineserver -k"); }
  } serverStop{prefix.dir()};
  prefix.Write("import.reg", RegFileUtf16(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                          u"[HKEY_LOCAL_MACHINE\\Software\\VeloTest]\r\n"
                                          u"\"Unicode\"=\"Gr\u00fc\u00dfe \u20ac \U0001F600 \\\"q\\\"\"\r\n"
                                          u"\"Level\"=dword:0000000a\r\n"
                                          u"\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                                          u"\"Blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,"
                                          u"14,15,16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,"
                                          u"2c,2d,2e,2f\r\n\r\n"
                                          u"[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\VeloTest]\r\n"
                                          u"\"Name\"=\"32-bit\"\r\n\r\n"
                                          u"[HKEY_CURRENT_USER\\Software\\BRENNICK, INC.\\velotrace 2023]\r\n"
                                          u"\"Directory\"=\"C:\\\\Apps\\\\Velotrace 2023\"\r\n"));
  ASSERT_EQ(RunInPrefix(prefix.dir(), "timeout 120 wineboot -i"), 0);
  EXPECT_EQ(RunInPrefix(prefix.dir(), "timeout 60 wine reg add 'HKLM\\Software\\VeloTest' /v Name /t REG_SZ /d Hello /f"), 0);
  EXPECT_EQ(RunInPrefix(prefix.dir(), "timeout 60 wine reg import 'Z:" + prefix.dir().string() + "/import.reg'"), 0);
  ASSERT_EQ(RunInPrefix(prefix.dir(), "timeout 60 wineserver -w"), 0);

  std::ifstream in(prefix.dir() / "system.reg", std::ios::binary);
  std::ostringstream system;
  system << in.rdbuf();
  const auto start = std::chrono::steady_clock::now();
  const RegistryHiveKey machine = ParseRegistryHive(system.view());
  const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
  std::cout << "parsed system.reg of " << system.view().size() << " bytes in " << elapsed.count() << " ms\n";
  EXPECT_GT(machine.Subkeys().size(), 1u);

  WineRegistry registry(prefix.dir());
  const std::wstring test = L"SOFTWARE\\velotest";
  const Read name = ReadValue(registry, RegistryRoot::LocalMachine, test, RegistryView::Native, L"Name");
  EXPECT_EQ(name.status, kRegSuccess);
  EXPECT_EQ(name.type, kRegSz);
  EXPECT_EQ(name.data, Utf16z(u"Hello"));
  EXPECT_EQ(ReadText(registry, RegistryRoot::LocalMachine, test, RegistryView::Native, L"Unicode"),
            L"Gr\u00fc\u00dfe \u20ac \U0001F600 \"q\"");
  const Read level = ReadValue(registry, RegistryRoot::LocalMachine, test, RegistryView::Native, L"Level");
  EXPECT_EQ(level.type, kRegDword);
  EXPECT_EQ(level.data, (Bytes{10, 0, 0, 0}));
  const Read multi = ReadValue(registry, RegistryRoot::LocalMachine, test, RegistryView::Native, L"Multi");
  EXPECT_EQ(multi.type, kRegMultiSz);
  EXPECT_EQ(multi.data, (Bytes{0x61, 0, 0, 0, 0x62, 0, 0, 0, 0, 0}));
  const Read blob = ReadValue(registry, RegistryRoot::LocalMachine, test, RegistryView::Native, L"Blob");
  Bytes counting;
  for (std::uint8_t b = 0; b < 48; ++b) counting.push_back(b);
  EXPECT_EQ(blob.type, kRegBinary);
  EXPECT_EQ(blob.data, counting) << "Wine writes these bytes over three lines";

  EXPECT_EQ(ReadText(registry, RegistryRoot::LocalMachine, test, RegistryView::Wow64_32, L"Name"), L"32-bit");
  EXPECT_EQ(ReadText(registry, RegistryRoot::CurrentUser, L"Software\\Brennick, Inc.\\VELOTRACE 2023",
                     RegistryView::Native, L"Directory"),
            L"C:\\Apps\\Velotrace 2023");
  // Wine links the 32-bit branch's classes to Software\Classes\Wow6432Node.
  EXPECT_EQ(SubkeyNames(registry, RegistryRoot::LocalMachine, L"Software\\Classes\\CLSID", RegistryView::Wow64_32),
            SubkeyNames(registry, RegistryRoot::LocalMachine, L"Software\\Classes\\Wow6432Node\\CLSID",
                        RegistryView::Native));
  EXPECT_NE(SubkeyNames(registry, RegistryRoot::LocalMachine, L"Software\\Classes\\Wow6432Node\\CLSID",
                        RegistryView::Native),
            std::vector<std::wstring>{L"<cannot open>"});
}

}  // namespace

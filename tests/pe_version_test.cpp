#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/pe_builder.h"
#include "fakes/temp_dir.h"
#include "platform/linux/pe_version.h"
#include "base/utf.h"
#include "platform/linux/version_info_linux.h"

namespace {

namespace fs = std::filesystem;
using platform::VersionBlock;
using platform::linux_backend::FindSubBlock;
using platform::linux_backend::FindVersionResource;
using text::FromUtf8;
using platform::linux_backend::ParseVersionInfo;
using platform::linux_backend::PeVersionBlock;
using platform::linux_backend::PeVersionResources;
using text::ToUtf8;
using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<VersionBlock> ReadBlock(std::span<const std::uint8_t> block) {
  auto root = ParseVersionInfo(block);
  if (!root) return nullptr;
  return std::make_unique<PeVersionBlock>(std::move(*root));
}

// The in-memory road from image bytes to the queries.
std::unique_ptr<VersionBlock> ReadImage(std::span<const std::uint8_t> image) {
  const auto block = FindVersionResource(image);
  return block ? ReadBlock(*block) : nullptr;
}

std::string Hex4(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", value & 0xFFFF);
  return text;
}

// Everything a caller can ask of a block on one line, the strings read from
// the string table `table`.
std::string Describe(const VersionBlock* block, const std::wstring& table = L"040904b0") {
  if (block == nullptr) return "none";
  std::ostringstream out;
  out << "fixed ";
  if (const auto f = block->QueryFixed()) {
    out << (f->fileVersionMS >> 16) << '.' << (f->fileVersionMS & 0xFFFF) << '.' << (f->fileVersionLS >> 16) << '.'
        << (f->fileVersionLS & 0xFFFF);
  } else {
    out << '-';
  }
  out << " | translations";
  if (const auto t = block->QueryTranslations()) {
    for (const platform::Translation& pair : *t) out << ' ' << Hex4(pair.language) << ':' << pair.codePage;
  } else {
    out << " -";
  }
  for (const std::wstring name : {L"CompanyName", L"ProductName"}) {
    const auto text = block->QueryString(L"\\StringFileInfo\\" + table + L"\\" + name);
    out << " | " << text::ToUtf8(name) << '=' << (text ? text::ToUtf8(*text) : "-");
  }
  return out.str();
}

fs::path WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
  return path;
}

fakes::VersionSpec CompanyOnly() {
  fakes::VersionSpec spec;
  spec.fileVersion = {10, 0, 1, 2};
  spec.strings = {{L"CompanyName", L"Velotrace Ltd."}};
  return spec;
}

TEST(PeVersion, ReadsBothImageKindsFromMemoryAndFromFile) {
  struct Case {
    const char* name;
    bool pe32Plus;
    std::array<std::uint16_t, 4> version;
    std::string want;
  };
  const Case cases[] = {
      {"PE32", false, {10, 0, 1, 2}, "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-"},
      {"PE32+", true, {10, 0, 1, 2}, "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-"},
      {"numbers above 32767 stay unsigned", true, {65535, 32768, 40000, 65535},
       "fixed 65535.32768.40000.65535 | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-"},
  };
  fakes::TempDir dir;
  PeVersionResources resources;
  for (const Case& c : cases) {
    fakes::VersionSpec spec = CompanyOnly();
    spec.fileVersion = c.version;
    const Bytes image = fakes::BuildPeFile(spec, c.pe32Plus);
    EXPECT_EQ(Describe(ReadImage(image).get()), c.want) << c.name;
    const fs::path file = WriteFile(dir.Path() / "program.exe", image);
    EXPECT_EQ(Describe(resources.Load(text::FromUtf8(file.string())).get()), c.want) << c.name;
  }
}

TEST(PeVersion, MissingPartsAreMissingAndTheRestStillReads) {
  struct Case {
    const char* name;
    std::function<void(fakes::VersionSpec&)> change;
    std::string want;
  };
  const Case cases[] = {
      {"strings only under a language other than the first translation",
       [](fakes::VersionSpec& s) { s.stringTable = L"040704b0"; },
       "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=- | ProductName=-"},
      {"no translation table", [](fakes::VersionSpec& s) { s.translations.reset(); },
       "fixed 10.0.1.2 | translations - | CompanyName=Velotrace Ltd. | ProductName=-"},
      {"a translation table without a pair counts as none", [](fakes::VersionSpec& s) { s.translations.emplace(); },
       "fixed 10.0.1.2 | translations - | CompanyName=Velotrace Ltd. | ProductName=-"},
      {"several translations in their order",
       [](fakes::VersionSpec& s) { s.translations = std::vector<platform::Translation>{{0x0407, 1252}, {0x0409, 1200}}; },
       "fixed 10.0.1.2 | translations 0407:1252 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-"},
      {"fixed part with a wrong signature", [](fakes::VersionSpec& s) { s.signature = 0xFEEF04BC; },
       "fixed - | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-"},
      {"no fixed part", [](fakes::VersionSpec& s) { s.withFixed = false; },
       "fixed - | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-"},
      {"no string information", [](fakes::VersionSpec& s) { s.withStringFileInfo = false; },
       "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=- | ProductName=-"},
  };
  for (const Case& c : cases) {
    fakes::VersionSpec spec = CompanyOnly();
    c.change(spec);
    EXPECT_EQ(Describe(ReadImage(fakes::BuildPeFile(spec)).get()), c.want) << c.name;
  }
  fakes::VersionSpec german = CompanyOnly();
  german.stringTable = L"040704b0";
  EXPECT_EQ(Describe(ReadImage(fakes::BuildPeFile(german)).get(), L"040704b0"),
            "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-");
}

TEST(PeVersion, TakesTheNeutralThenTheEnglishThenTheFirstLanguage) {
  struct Case {
    const char* name;
    std::vector<std::uint16_t> languages;
    std::string want;
  };
  const Case cases[] = {
      {"only one", {0x0407}, "0407"},
      {"English among others", {0x0407, 0x0409, 0x040C}, "0409"},
      {"neutral before English", {0x0407, 0x0409, 0x0000}, "0000"},
      {"neither: the first", {0x040C, 0x0407}, "040c"},
  };
  for (const Case& c : cases) {
    fakes::ImageSpec spec;
    for (const std::uint16_t language : c.languages) {
      fakes::VersionSpec version;
      version.strings = {{L"CompanyName", text::FromUtf8(Hex4(language))}};
      spec.resources.push_back({language, fakes::BuildVersionBlock(version)});
    }
    const auto block = ReadImage(fakes::BuildPeImage(spec).bytes);
    ASSERT_NE(block, nullptr) << c.name;
    EXPECT_EQ(block->QueryString(L"\\StringFileInfo\\040904b0\\CompanyName"), text::FromUtf8(c.want)) << c.name;
  }
}

TEST(PeVersion, SubBlockPathsAreMatchedLikeTheSystemDoes) {
  fakes::VersionSpec spec = CompanyOnly();
  spec.strings.push_back({L"\u00C4nderung", L"umlaut"});
  const Bytes block = fakes::BuildVersionBlock(spec);
  const auto parsed = ReadBlock(block);
  ASSERT_NE(parsed, nullptr);
  struct Case {
    const wchar_t* path;
    std::optional<std::wstring> want;
  };
  const Case cases[] = {
      {L"\\StringFileInfo\\040904b0\\CompanyName", L"Velotrace Ltd."},
      {L"\\STRINGFILEINFO\\040904B0\\companyname", L"Velotrace Ltd."},
      {L"StringFileInfo\\040904b0\\CompanyName", L"Velotrace Ltd."},
      {L"\\\\StringFileInfo\\\\040904b0\\CompanyName\\", L"Velotrace Ltd."},
      {L"\\StringFileInfo\\040904b0\\\u00C4NDERUNG", L"umlaut"},
      // Only A-Z fold: an upper-case umlaut is another letter than a lower-case one.
      {L"\\StringFileInfo\\040904b0\\\u00E4nderung", std::nullopt},
      {L"\\StringFileInfo\\040904b0\\Company", std::nullopt},
      {L"\\StringFileInfo\\040904b0\\CompanyNames", std::nullopt},
      {L"\\StringFileInfo\\040904b0\\CompanyName\\More", std::nullopt},
      {L"\\StringFileInfo\\040904b0", std::nullopt},
      {L"\\VarFileInfo\\Translation", std::nullopt},
      {L"\\", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parsed->QueryString(c.path), c.want) << text::ToUtf8(c.path);

  const auto root = ParseVersionInfo(block);
  ASSERT_TRUE(root);
  EXPECT_EQ(FindSubBlock(*root, L"\\"), &*root);
  EXPECT_EQ(FindSubBlock(*root, L""), &*root);
  const auto* translation = FindSubBlock(*root, L"\\varfileinfo\\TRANSLATION");
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(translation->value, (Bytes{0x09, 0x04, 0xB0, 0x04}));
}

// Resource compilers disagree on what a text's value length counts; every
// reading must give the text, and the node after it must still be found.
TEST(PeVersion, TextValuesReadWhateverTheirLengthCounts) {
  const Bytes noNul = [] {
    Bytes b = fakes::Utf16z(L"Velotrace");
    b.resize(b.size() - 2);
    return b;
  }();
  struct Case {
    const char* name;
    std::uint16_t type;
    Bytes value;
    std::optional<std::uint16_t> valueLength;
    std::wstring want;
  };
  const Case cases[] = {
      {"16-bit units with the NUL", 1, fakes::Utf16z(L"Velotrace"), std::nullopt, L"Velotrace"},
      {"16-bit units without the NUL", 1, fakes::Utf16z(L"Velotrace"), 9, L"Velotrace"},
      {"bytes with the NUL", 1, fakes::Utf16z(L"Velotrace"), 20, L"Velotrace"},
      {"no NUL stored at all", 1, noNul, 9, L"Velotrace"},
      {"length far past the node", 1, fakes::Utf16z(L"Velotrace"), 0xFFFF, L"Velotrace"},
      {"typed as binary, counted in bytes", 0, fakes::Utf16z(L"Velotrace"), 20, L"Velotrace"},
      {"typed as binary, counted in 16-bit units", 0, fakes::Utf16z(L"Velotrace"), 10, L"Velotrace"},
      {"empty", 1, fakes::Utf16z(L""), 0, L""},
      {"a surrogate pair and an unpaired one", 1, Bytes{0x3D, 0xD8, 0x00, 0xDE, 0x3D, 0xD8, 0x41, 0x00, 0, 0},
       std::nullopt, L"\U0001F600\uFFFDA"},
  };
  for (const Case& c : cases) {
    const fakes::VersionNodeSpec odd{L"CompanyName", c.type, c.value, c.valueLength, {}};
    const fakes::VersionNodeSpec table{L"040904b0", 1, {}, std::nullopt, {odd, fakes::TextNode(L"ProductName", L"Inspector")}};
    const fakes::VersionNodeSpec root{L"VS_VERSION_INFO", 0, {}, std::nullopt, {{L"StringFileInfo", 1, {}, std::nullopt, {table}}}};
    const auto block = ReadBlock(fakes::EncodeVersionNode(root));
    ASSERT_NE(block, nullptr) << c.name;
    EXPECT_EQ(block->QueryString(L"\\StringFileInfo\\040904b0\\CompanyName"), c.want) << c.name;
    EXPECT_EQ(block->QueryString(L"\\StringFileInfo\\040904b0\\ProductName"), L"Inspector") << c.name;
  }
}

// The version block lies at the end of the image: a file cut anywhere before
// its end has no version information, a file cut after it reads whole.
TEST(PeVersion, AFileCutShortReadsWholeOrNotAtAll) {
  for (const bool pe32Plus : {false, true}) {
    const fakes::PeImage image = fakes::BuildPeImage({pe32Plus, 16, {{0x0409, fakes::BuildVersionBlock(CompanyOnly())}}});
    const std::string full = Describe(ReadImage(image.bytes).get());
    ASSERT_NE(full, "none");
    const std::size_t blockEnd = image.firstBlock + fakes::BuildVersionBlock(CompanyOnly()).size();
    for (std::size_t length = 0; length <= image.bytes.size(); ++length) {
      const std::span<const std::uint8_t> prefix(image.bytes.data(), length);
      ASSERT_EQ(Describe(ReadImage(prefix).get()), length >= blockEnd ? full : "none") << "length " << length;
    }
  }
  const Bytes block = fakes::BuildVersionBlock(CompanyOnly());
  for (std::size_t length = 0; length < block.size(); ++length) {
    EXPECT_FALSE(ParseVersionInfo(std::span(block.data(), length))) << "block length " << length;
  }
}

TEST(PeVersion, DamagedImagesHaveNoVersionInformation) {
  using Image = fakes::PeImage;
  const auto rsrcSection = [](const Image& i) { return i.sectionTable + 40; };
  struct Case {
    const char* name;
    std::function<void(Image&)> damage;
  };
  const Case cases[] = {
      {"no MZ", [](Image& i) { i.bytes[0] = 'X'; }},
      {"PE header offset past the end", [](Image& i) { fakes::PutLe32(i.bytes, 0x3C, static_cast<std::uint32_t>(i.bytes.size())); }},
      {"PE header offset at the top of 32 bits", [](Image& i) { fakes::PutLe32(i.bytes, 0x3C, 0xFFFFFFFF); }},
      {"no PE signature", [](Image& i) { i.bytes[i.peHeader + 2] = 'X'; }},
      {"ROM image magic", [](Image& i) { fakes::PutLe16(i.bytes, i.optionalHeader, 0x107); }},
      {"optional header too short for the resource entry", [](Image& i) { fakes::PutLe16(i.bytes, i.peHeader + 20, 110); }},
      {"optional header longer than the file", [](Image& i) { fakes::PutLe16(i.bytes, i.peHeader + 20, 0xFFFF); }},
      {"two directory entries only", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceDirectoryEntry - 20, 2); }},
      {"no resource directory", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceDirectoryEntry, 0); }},
      {"resource RVA outside every section", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceDirectoryEntry, 0x9000); }},
      {"resource RVA at the top of 32 bits", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceDirectoryEntry, 0xFFFFFFF8); }},
      {"section table past the end", [](Image& i) { fakes::PutLe16(i.bytes, i.peHeader + 6, 0xFFFF); }},
      {"section raw pointer past the end",
       [&](Image& i) { fakes::PutLe32(i.bytes, rsrcSection(i) + 20, static_cast<std::uint32_t>(i.bytes.size())); }},
      {"section raw pointer that wraps around", [&](Image& i) { fakes::PutLe32(i.bytes, rsrcSection(i) + 20, 0xFFFFFF00); }},
      {"section raw size too small for the data", [&](Image& i) { fakes::PutLe32(i.bytes, rsrcSection(i) + 16, 0x40); }},
      {"not a version resource", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceSection + 16, 24); }},
      {"version type filed under a name", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceSection + 16, 0x80000010); }},
      {"version resource named other than 1", [](Image& i) { fakes::PutLe32(i.bytes, i.typeDirectory + 16, 102); }},
      {"root entry count past the section", [](Image& i) { fakes::PutLe16(i.bytes, i.resourceSection + 14, 0xFFFF); }},
      {"type entry that is a data entry", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceSection + 20, 24); }},
      {"type directory pointing back at the root", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceSection + 20, 0x80000000); }},
      {"name directory pointing back at itself", [](Image& i) { fakes::PutLe32(i.bytes, i.typeDirectory + 20, 0x80000018); }},
      {"language entry that is a directory", [](Image& i) { fakes::PutLe32(i.bytes, i.languageDirectory + 20, 0x80000000); }},
      {"subdirectory offset past the section", [](Image& i) { fakes::PutLe32(i.bytes, i.resourceSection + 20, 0xFFFFFFFF); }},
      {"data entry RVA outside every section", [](Image& i) { fakes::PutLe32(i.bytes, i.dataEntries, 0x8000); }},
      {"data straddling the section's end",
       [](Image& i) { fakes::PutLe32(i.bytes, i.dataEntries, static_cast<std::uint32_t>(i.resourceRva + i.bytes.size() - i.resourceSection - 8)); }},
      {"data size at the top of 32 bits", [](Image& i) { fakes::PutLe32(i.bytes, i.dataEntries + 4, 0xFFFFFFFF); }},
      {"zero data size", [](Image& i) { fakes::PutLe32(i.bytes, i.dataEntries + 4, 0); }},
      {"block length past the data", [](Image& i) { fakes::PutLe16(i.bytes, i.firstBlock, 0xFFFF); }},
      {"block length zero", [](Image& i) { fakes::PutLe16(i.bytes, i.firstBlock, 0); }},
      {"block length shorter than a node header", [](Image& i) { fakes::PutLe16(i.bytes, i.firstBlock, 4); }},
      {"block key without its NUL", [](Image& i) { fakes::PutLe16(i.bytes, i.firstBlock, 16); }},
  };
  for (const bool pe32Plus : {false, true}) {
    const Image valid = fakes::BuildPeImage({pe32Plus, 16, {{0x0409, fakes::BuildVersionBlock(CompanyOnly())}}});
    ASSERT_NE(ReadImage(valid.bytes), nullptr);
    for (const Case& c : cases) {
      Image damaged = valid;
      c.damage(damaged);
      EXPECT_EQ(Describe(ReadImage(damaged.bytes).get()), "none") << c.name << (pe32Plus ? " (PE32+)" : " (PE32)");
    }
  }
}

TEST(PeVersion, ADamagedNodeEndsOnlyItsOwnList) {
  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
    std::string want;
  };
  fakes::VersionSpec spec = CompanyOnly();
  spec.strings.push_back({L"ProductName", L"Inspector"});
  const Bytes valid = fakes::BuildVersionBlock(spec);
  // The offsets follow from the layout: the root's header, key and fixed
  // part take 92 bytes, StringFileInfo's 36, the table's 24.
  constexpr std::size_t kStringFileInfo = 92;
  constexpr std::size_t kCompanyName = kStringFileInfo + 36 + 24;
  const Case cases[] = {
      {"an untouched block", [](Bytes&) {},
       "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=Inspector"},
      {"first child of zero length: no children", [&](Bytes& b) { fakes::PutLe16(b, kStringFileInfo, 0); },
       "fixed 10.0.1.2 | translations - | CompanyName=- | ProductName=-"},
      {"a string running past its table", [&](Bytes& b) { fakes::PutLe16(b, kCompanyName, 0x4000); },
       "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=- | ProductName=-"},
      {"a string of zero length", [&](Bytes& b) { fakes::PutLe16(b, kCompanyName, 0); },
       "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=- | ProductName=-"},
  };
  for (const Case& c : cases) {
    Bytes block = valid;
    c.damage(block);
    EXPECT_EQ(Describe(ReadBlock(block).get()), c.want) << c.name;
  }
}

TEST(PeVersion, NestingIsCutAtADepthNoRealBlockReaches) {
  fakes::VersionNodeSpec node{L"n", 0, {}, std::nullopt, {}};
  for (int depth = 0; depth < 2000; ++depth) {
    fakes::VersionNodeSpec parent{L"n", 0, {}, std::nullopt, {}};
    parent.children.push_back(std::move(node));
    node = std::move(parent);
  }
  const Bytes block = fakes::EncodeVersionNode(node);
  ASSERT_LE(block.size(), 0xFFFFu);
  const auto root = ParseVersionInfo(block);
  ASSERT_TRUE(root);
  EXPECT_NE(FindSubBlock(*root, L"\\n\\n\\n"), nullptr);
  std::wstring deep;
  for (int depth = 0; depth < 100; ++depth) deep += L"\\n";
  EXPECT_EQ(FindSubBlock(*root, deep), nullptr);
}

class PeVersionFiles : public ::testing::Test {
 protected:
  fs::path Write(const std::string& name, const Bytes& bytes) { return WriteFile(dir_.Path() / name, bytes); }
  std::unique_ptr<VersionBlock> Load(const std::wstring& path) { return resources_.Load(path); }
  std::wstring Wide(const fs::path& path) { return text::FromUtf8(path.string()); }

  fakes::TempDir dir_;
  PeVersionResources resources_;
};

TEST_F(PeVersionFiles, WhatIsNotAReadableProgramFileHasNoVersionInformation) {
  const fs::path good = Write("good.dll", fakes::BuildPeFile(CompanyOnly()));
  ASSERT_NE(Load(Wide(good)), nullptr);

  const fs::path fifo = dir_.Path() / "pipe.dll";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // A valid image made larger than any program file, without using the disk.
  const fs::path huge = Write("huge.dll", fakes::BuildPeFile(CompanyOnly()));
  ASSERT_EQ(::truncate(huge.c_str(), (off_t{512} << 20) + 1), 0);
  const fs::path empty = Write("empty.dll", {});
  const fs::path noResource = Write("plain.exe", fakes::BuildPeImage({true, 24, {{0x0409, Bytes(16, 0)}}}).bytes);

  struct Case {
    const char* name;
    std::wstring path;
  };
  const Case cases[] = {
      {"missing file", Wide(dir_.Path() / "missing.dll")},
      {"directory", Wide(dir_.Path())},
      {"named pipe without a writer", Wide(fifo)},
      {"file over the size limit", Wide(huge)},
      {"empty file", Wide(empty)},
      {"image without a version resource", Wide(noResource)},
      {"bare name missing from the current directory", L"no-such-library.dll"},
      {"name cut short by a NUL", Wide(good) + std::wstring(1, L'\0') + L".txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(Load(c.path), nullptr) << c.name;
}

TEST_F(PeVersionFiles, BareNameIsLookedForInTheCurrentDirectory) {
  Write("velo.dll", fakes::BuildPeFile(CompanyOnly()));
  const fs::path before = fs::current_path();
  fs::current_path(dir_.Path());
  const auto block = Load(L"velo.dll");
  fs::current_path(before);
  EXPECT_EQ(Describe(block.get()), "fixed 10.0.1.2 | translations 0409:1200 | CompanyName=Velotrace Ltd. | ProductName=-");
}

// A library built by another toolchain: the file version in the fixed part
// and the FileVersion text must tell the same version.
TEST(PeVersionRealFile, WineKernel32ReadsConsistently) {
  const fs::path kernel32 = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/kernel32.dll";
  if (!fs::exists(kernel32)) GTEST_SKIP() << kernel32 << " is not installed";
  PeVersionResources resources;
  const auto block = resources.Load(text::FromUtf8(kernel32.string()));
  ASSERT_NE(block, nullptr);
  const auto fixed = block->QueryFixed();
  ASSERT_TRUE(fixed);
  EXPECT_NE(fixed->fileVersionMS, 0u);
  const auto translations = block->QueryTranslations();
  ASSERT_TRUE(translations);
  ASSERT_FALSE(translations->empty());
  const std::wstring table = text::FromUtf8(Hex4(translations->front().language) + Hex4(translations->front().codePage));
  const auto fileVersion = block->QueryString(L"\\StringFileInfo\\" + table + L"\\FileVersion");
  ASSERT_TRUE(fileVersion);
  const std::string fromFixed = std::to_string(fixed->fileVersionMS >> 16) + "." + std::to_string(fixed->fileVersionMS & 0xFFFF) +
                                "." + std::to_string(fixed->fileVersionLS >> 16) + "." +
                                std::to_string(fixed->fileVersionLS & 0xFFFF);
  EXPECT_EQ(text::ToUtf8(*fileVersion), fromFixed);
  const auto company = block->QueryString(L"\\StringFileInfo\\" + table + L"\\CompanyName");
  ASSERT_TRUE(company);
  EXPECT_FALSE(company->empty());
}

}  // namespace

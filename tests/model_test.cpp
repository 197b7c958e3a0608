#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/sys_info.h"
#include "base/text.h"
#include "base/utf.h"

namespace {

TEST(AddResult, AppendsOneRecordWithOneEntryInOrder) {
  CSysInfo info;
  info.AddResult(L"Processor", L"Some CPU", CategoryHardware);
  info.AddResult(L"", L"", CategoryOperatingSystem);
  ASSERT_EQ(info.results.size(), 2u);
  EXPECT_EQ(info.results[0]->category, CategoryHardware);
  EXPECT_EQ(info.results[0]->entries, (InfoEntryList{{L"Processor", L"Some CPU"}}));
  // Two empty texts still make a record with one entry.
  EXPECT_EQ(info.results[1]->category, CategoryOperatingSystem);
  EXPECT_EQ(info.results[1]->entries, (InfoEntryList{{L"", L""}}));
}

// A start-up collection and three version choices: every run's product
// records stay, but only the last run's still have entries.
TEST(EmptyProductResults, KeepsRecordsAndEmptiesOnlyProductCategories) {
  CSysInfo info;
  auto product = std::make_unique<VelotraceSettings>();
  product->name = L"VERSION";
  product->entries.push_back({L"declared", L"key"});
  info.productItems.push_back(std::move(product));
  info.AddResult(L"Processor", L"x", CategoryHardware);
  info.AddResult(L"OS", L"y", CategoryOperatingSystem);

  for (int run = 0; run < 4; ++run) {
    if (run > 0) info.EmptyProductResults();
    info.AddResult(L"Version", std::to_wstring(run), CategoryProduct);
    info.AddResult(L"module.dll", std::to_wstring(run), CategoryAddIn);
  }

  ASSERT_EQ(info.results.size(), 10u);
  EXPECT_TRUE(info.productItems[0]->entries.empty());
  int withEntries = 0;
  for (const auto& result : info.results) {
    if (result->category == CategoryProduct || result->category == CategoryAddIn) {
      if (!result->entries.empty()) {
        ++withEntries;
        EXPECT_EQ(result->entries[0].value, L"3");
      }
    } else {
      EXPECT_EQ(result->entries.size(), 1u) << "hardware and OS results are never emptied";
    }
  }
  EXPECT_EQ(withEntries, 2);
}

// The holder deletes its records through their virtual destructors, list by
// list in reverse order of declaration, and skips empty slots.
std::vector<std::string>* g_destroyed = nullptr;

template <typename Base>
struct Tracked : Base {
  explicit Tracked(std::string n) : label(std::move(n)) {}
  ~Tracked() override { g_destroyed->push_back(label); }
  std::string label;
};

TEST(CSysInfo, DestroysListsInReverseOrderThroughVirtualDestructors) {
  std::vector<std::string> destroyed;
  g_destroyed = &destroyed;
  {
    CSysInfo info;
    info.hardwareItems.push_back(std::make_unique<Tracked<Hardware>>("hardware"));
    info.hardwareItems.push_back(nullptr);
    info.osItems.push_back(std::make_unique<Tracked<OperatingSystem>>("os"));
    info.productItems.push_back(std::make_unique<Tracked<VelotraceSettings>>("product"));
    info.addInItems.push_back(std::make_unique<Tracked<VTfSWSettings>>("addin"));
    info.results.push_back(std::make_unique<Tracked<SystemInfoResults>>("result"));
  }
  g_destroyed = nullptr;
  EXPECT_EQ(destroyed, (std::vector<std::string>{"result", "addin", "product", "os", "hardware"}));
}

TEST(Text, LowerAsciiChangesOnlyAToZ) {
  EXPECT_EQ(text::LowerAscii(L"Velotrace 2024 SP1 \u00C4\u0130Z"), L"velotrace 2024 sp1 \u00C4\u0130z");
}

TEST(Text, Hex8IsEightLowerCaseDigits) {
  EXPECT_EQ(text::Hex8(0), L"00000000");
  EXPECT_EQ(text::Hex8(0xC00CEE3Bu), L"c00cee3b");
  EXPECT_EQ(text::Hex8(0x1Fu), L"0000001f");
}

TEST(Text, FromUtf16LeReadsUnitsUpToTheFirstNul) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::wstring want;
  };
  const Case cases[] = {
      {"terminated text", {'O', 0, 'k', 0, 0, 0}, L"Ok"},
      {"no terminator", {'O', 0, 'k', 0}, L"Ok"},
      {"stops at the first NUL unit", {'a', 0, 0, 0, 'b', 0, 0, 0}, L"a"},
      {"a NUL byte inside a unit is no end", {0, 0x4E, 'x', 0}, L"\u4E00x"},
      {"odd trailing byte ignored", {'a', 0, 'b'}, L"a"},
      {"empty", {}, L""},
      {"surrogate pair is one character", {0x3D, 0xD8, 0x00, 0xDE, '!', 0}, L"\U0001F600!"},
      {"lone high surrogate", {0x3D, 0xD8, 'x', 0}, L"\uFFFDx"},
      {"high surrogate at the end", {'x', 0, 0x3D, 0xD8}, L"x\uFFFD"},
      {"lone low surrogate", {0x00, 0xDE, 0x3D, 0xD8, 0x00, 0xDE}, L"\uFFFD\U0001F600"},
      {"high surrogate before the terminator", {0x3D, 0xD8, 0, 0, 0x00, 0xDE}, L"\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(text::FromUtf16Le(c.bytes), c.want) << c.name;
}

}  // namespace

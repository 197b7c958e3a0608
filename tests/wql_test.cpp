#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/linux/wmi/wmi_class.h"
#include "platform/linux/wmi/wql.h"
#include "platform/linux/wmi/wql_engine.h"
#include "fakes/wmi_value_printer.h"

namespace {

using platform::WmiAnswer;
using platform::WmiFailure;
using platform::WmiValue;
using namespace platform::linux_backend::wmi;

class FakeClass final : public WmiClass {
 public:
  FakeClass(std::wstring name, std::vector<PropertySpec> properties, std::vector<Instance> instances)
      : name_(std::move(name)), properties_(std::move(properties)), instances_(std::move(instances)) {}
  std::wstring Name() const override { return name_; }
  std::vector<PropertySpec> Properties() const override { return properties_; }
  std::vector<Instance> Instances() const override { return instances_; }

 private:
  std::wstring name_;
  std::vector<PropertySpec> properties_;
  std::vector<Instance> instances_;
};

// Four volumes: C: and D: fixed (DriveType 3), E: removable, F: a CD. D:
// holds the largest unsigned 64-bit size, E: the size "9", which sorts above
// "100" as text but below it as a number. NULLs come both as a property an
// instance leaves out and as an explicit NULL value.
std::unique_ptr<WmiClass> Disks() {
  const std::vector<PropertySpec> properties = {
      {L"DeviceID", CimType::String},     {L"Size", CimType::UInt64},        {L"DriveType", CimType::UInt32},
      {L"Compressed", CimType::Boolean},  {L"InstallDate", CimType::DateTime}, {L"VolumeName", CimType::String},
      {L"ProviderName", CimType::String}, {L"Description", CimType::String}};
  std::vector<Instance> instances = {
      {{L"DeviceID", MakeValue(CimType::String, L"C:")},
       {L"Size", MakeValue(CimType::UInt64, 500107862016)},
       {L"DriveType", MakeValue(CimType::UInt32, 3)},
       {L"Compressed", MakeValue(CimType::Boolean, 0)},
       {L"InstallDate", MakeValue(CimType::DateTime, L"20230115093000.000000+060")},
       {L"VolumeName", MakeValue(CimType::String, L"System")},
       {L"Description", MakeValue(CimType::String, L"Local Fixed Disk")}},
      {{L"DeviceID", MakeValue(CimType::String, L"D:")},
       {L"Size", MakeValue(CimType::UInt64, L"18446744073709551615")},
       {L"DriveType", MakeValue(CimType::UInt32, 3)},
       {L"Compressed", MakeValue(CimType::Boolean, 1)},
       {L"InstallDate", WmiValue::Null()}},
      {{L"DeviceID", MakeValue(CimType::String, L"E:")},
       {L"Size", MakeValue(CimType::UInt64, 9)},
       {L"DriveType", MakeValue(CimType::UInt32, 2)},
       {L"Compressed", MakeValue(CimType::Boolean, 0)},
       {L"VolumeName", MakeValue(CimType::String, L"backup_1")},
       {L"ProviderName", MakeValue(CimType::String, LR"(\\server\share)")},
       {L"Description", MakeValue(CimType::String, LR"(Bob's "spare")")}},
      {{L"DeviceID", MakeValue(CimType::String, L"F:")},
       {L"DriveType", MakeValue(CimType::UInt32, 5)},
       {L"VolumeName", MakeValue(CimType::String, L"")}}};
  return std::make_unique<FakeClass>(L"Test_LogicalDisk", properties, std::move(instances));
}

std::unique_ptr<WmiClass> Processors() {
  return std::make_unique<FakeClass>(
      L"Test_Processor", std::vector<PropertySpec>{{L"Name", CimType::String}, {L"NumberOfCores", CimType::UInt32}},
      std::vector<Instance>{{{L"Name", MakeValue(CimType::String, L"Test CPU")},
                             {L"NumberOfCores", MakeValue(CimType::UInt32, 8)}}});
}

class WqlEngineTest : public ::testing::Test {
 protected:
  WqlEngineTest() : engine_(Classes()) {}

  static std::vector<std::unique_ptr<WmiClass>> Classes() {
    std::vector<std::unique_ptr<WmiClass>> classes;
    classes.push_back(Processors());
    classes.push_back(Disks());
    return classes;
  }

  // The drive letters of the volumes the condition selects, in order.
  std::optional<std::vector<std::wstring>> Selected(const std::wstring& condition) {
    const WmiAnswer answer = engine_.Query(L"SELECT * FROM Test_LogicalDisk WHERE " + condition, L"DeviceID");
    if (answer.failure != WmiFailure::None) return std::nullopt;
    std::vector<std::wstring> ids;
    for (const WmiValue& value : answer.values) ids.push_back(value.text);
    return ids;
  }

  WqlEngine engine_;
};

using Ids = std::vector<std::wstring>;

TEST_F(WqlEngineTest, ComparisonsSelectTheMatchingInstancesInClassOrder) {
  struct Case {
    const char* name;
    std::wstring condition;
    Ids want;
  };
  const Case cases[] = {
      {"equal", L"DriveType = 3", {L"C:", L"D:"}},
      {"not equal <>", L"DriveType <> 3", {L"E:", L"F:"}},
      {"not equal !=", L"DriveType != 3", {L"E:", L"F:"}},
      {"less", L"DriveType < 3", {L"E:"}},
      {"greater", L"DriveType > 3", {L"F:"}},
      {"less or equal", L"DriveType <= 3", {L"C:", L"D:", L"E:"}},
      {"greater or equal", L"DriveType >= 3", {L"C:", L"D:", L"F:"}},
      {"literal on the left is mirrored", L"3 > DriveType", {L"E:"}},
      {"literal on the left, less or equal", L"3 <= DriveType", {L"C:", L"D:", L"F:"}},
      {"hexadecimal literal", L"DriveType = 0X5", {L"F:"}},
      {"negative literal", L"DriveType > -1", {L"C:", L"D:", L"E:", L"F:"}},
      {"explicit plus sign", L"DriveType=+2", {L"E:"}},
      {"no blanks around the operator", L"DriveType<>3", {L"E:", L"F:"}},
      {"string literal read as a number", L"DriveType = '3'", {L"C:", L"D:"}},
      {"string literal that is no number", L"DriveType = 'three'", {}},
      {"64-bit text compares as a number", L"Size > 100", {L"C:", L"D:"}},
      {"64-bit text against text compares as text", L"Size > '100'", {L"C:", L"D:", L"E:"}},
      {"largest unsigned 64-bit value", L"Size = 18446744073709551615", {L"D:"}},
      {"largest value in hexadecimal", L"Size >= 0xFFFFFFFFFFFFFFFF", {L"D:"}},
      {"64-bit text against a negative number", L"Size > -5", {L"C:", L"D:", L"E:"}},
      {"text without regard to case", L"VolumeName = 'SYSTEM'", {L"C:"}},
      {"text ordering without regard to case", L"VolumeName >= 'BACKUP_1'", {L"C:", L"E:"}},
      {"empty text is a value", L"VolumeName = ''", {L"F:"}},
      {"datetime compares as text", L"InstallDate > '2023'", {L"C:"}},
      {"boolean against TRUE", L"Compressed = TRUE", {L"D:"}},
      {"boolean against false", L"Compressed = false", {L"C:", L"E:"}},
      {"boolean against a number", L"Compressed = 1", {L"D:"}},
      {"boolean against a word", L"Compressed = 'True'", {L"D:"}},
      {"double-quoted string", L"VolumeName = \"backup_1\"", {L"E:"}},
      {"escaped backslashes", LR"(ProviderName = '\\\\server\\share')", {L"E:"}},
      {"escaped quotes in single quotes", LR"(Description = 'Bob\'s "spare"')", {L"E:"}},
      {"escaped quotes in double quotes", LR"(Description = "Bob's \"spare\"")", {L"E:"}},
      {"blanks of every kind between tokens", L"\tDriveType\r\n=\n2 ", {L"E:"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Selected(c.condition), std::optional<Ids>(c.want)) << c.name;
  }
}

// A comparison with a NULL is unknown, and NOT of unknown stays unknown, so
// neither a comparison nor its negation selects an instance with a NULL.
TEST_F(WqlEngineTest, NullsFollowThreeValuedLogic) {
  struct Case {
    const char* name;
    std::wstring condition;
    Ids want;
  };
  const Case cases[] = {
      {"absent property IS NULL", L"VolumeName IS NULL", {L"D:"}},
      {"explicit and absent NULLs", L"InstallDate IS NULL", {L"D:", L"E:", L"F:"}},
      {"IS NOT NULL", L"InstallDate is not null", {L"C:"}},
      {"NOT IS NULL", L"NOT VolumeName IS NULL", {L"C:", L"E:", L"F:"}},
      {"comparison with a NULL literal", L"VolumeName = NULL", {}},
      {"NULL literal on the left", L"NULL <> VolumeName", {}},
      {"not equal skips NULL", L"VolumeName <> 'x'", {L"C:", L"E:", L"F:"}},
      {"negated comparison skips NULL", L"NOT (VolumeName = 'System')", {L"E:", L"F:"}},
      {"unknown OR true", L"VolumeName = 'x' OR DriveType = 3", {L"C:", L"D:"}},
      {"unknown AND false is false, so NOT selects", L"NOT (VolumeName = 'x' AND DriveType = 5)",
       {L"C:", L"D:", L"E:", L"F:"}},
      {"unknown AND true stays unknown", L"NOT (VolumeName = 'x' AND DriveType = 3)", {L"C:", L"E:", L"F:"}},
      {"NOT NOT keeps unknown", L"NOT NOT VolumeName <> 'x'", {L"C:", L"E:", L"F:"}},
      {"incomparable types are unknown too", L"NOT (DriveType = 'three')", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Selected(c.condition), std::optional<Ids>(c.want)) << c.name;
  }
}

TEST_F(WqlEngineTest, NotBindsTighterThanAndAndAndTighterThanOr) {
  struct Case {
    const char* name;
    std::wstring condition;
    Ids want;
  };
  const Case cases[] = {
      {"AND before OR", L"DriveType = 2 OR DriveType = 3 AND Compressed = TRUE", {L"D:", L"E:"}},
      {"parentheses first", L"(DriveType = 2 OR DriveType = 3) AND Compressed = TRUE", {L"D:"}},
      {"NOT before AND", L"NOT DriveType = 3 AND DriveType = 2", {L"E:"}},
      {"NOT of a parenthesised AND", L"NOT (DriveType = 3 AND Compressed = TRUE)", {L"C:", L"E:", L"F:"}},
      {"NOT NOT", L"NOT NOT DriveType = 5", {L"F:"}},
      {"long OR chain", L"DriveType = 1 OR DriveType = 2 OR DriveType = 4 OR DriveType = 5", {L"E:", L"F:"}},
      {"keywords in any case", L"drivetype = 3 aNd NoT compressed = True", {L"C:"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Selected(c.condition), std::optional<Ids>(c.want)) << c.name;
  }
}

TEST_F(WqlEngineTest, LikeMatchesPatternsWithoutRegardToCase) {
  struct Case {
    const char* name;
    std::wstring condition;
    Ids want;
  };
  const Case cases[] = {
      {"percent at the end", L"VolumeName LIKE 'sys%'", {L"C:"}},
      {"percent matches the empty text", L"VolumeName LIKE '%'", {L"C:", L"E:", L"F:"}},
      {"underscore is one character", L"VolumeName LIKE '_YSTEM'", {L"C:"}},
      {"underscore is exactly one", L"VolumeName LIKE '_'", {}},
      {"bracketed underscore is literal", L"VolumeName LIKE '%[_]%'", {L"E:"}},
      {"set", L"VolumeName LIKE 'sy[abst]tem'", {L"C:"}},
      {"range in lower case matches upper case", L"VolumeName LIKE '[r-t]%'", {L"C:"}},
      {"range in upper case matches lower case", L"VolumeName LIKE '[A-C]%'", {L"E:"}},
      {"negated set", L"VolumeName LIKE '[^s]%'", {L"E:"}},
      {"whole text must match", L"VolumeName LIKE 'sys'", {}},
      {"several percents", L"Description LIKE '%o%a%d%'", {L"C:"}},
      {"integer property as decimal text", L"DriveType LIKE '[23]'", {L"C:", L"D:", L"E:"}},
      {"64-bit text", L"Size LIKE '1844%'", {L"D:"}},
      {"NOT LIKE leaves out NULL", L"NOT VolumeName LIKE 's%'", {L"E:", L"F:"}},
      {"boolean is not text", L"Compressed LIKE '%'", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Selected(c.condition), std::optional<Ids>(c.want)) << c.name;
  }
}

TEST_F(WqlEngineTest, ValuesKeepTheirTypeAndTheRequestedPropertyMustBeSelected) {
  struct Case {
    const char* name;
    std::wstring statement;
    std::wstring property;
    std::vector<WmiValue> want;
  };
  const std::wstring all = L"SELECT * FROM Test_LogicalDisk";
  const Case cases[] = {
      {"uint64 as text, NULL where absent",
       all,
       L"Size",
       {WmiValue::String(L"500107862016"), WmiValue::String(L"18446744073709551615"), WmiValue::String(L"9"),
        WmiValue::Null()}},
      {"uint32 as integer, property in any case",
       all,
       L"drivetype",
       {WmiValue::Integer(3), WmiValue::Integer(3), WmiValue::Integer(2), WmiValue::Integer(5)}},
      {"boolean",
       all,
       L"COMPRESSED",
       {WmiValue::Boolean(false), WmiValue::Boolean(true), WmiValue::Boolean(false), WmiValue::Null()}},
      {"datetime as text, explicit NULL",
       all,
       L"InstallDate",
       {WmiValue::String(L"20230115093000.000000+060"), WmiValue::Null(), WmiValue::Null(), WmiValue::Null()}},
      {"empty text kept",
       all,
       L"VolumeName",
       {WmiValue::String(L"System"), WmiValue::Null(), WmiValue::String(L"backup_1"), WmiValue::String(L"")}},
      {"selected list, case of class and keywords",
       L"select size, DriveType from TEST_LOGICALDISK where drivetype = 3",
       L"DriveType",
       {WmiValue::Integer(3), WmiValue::Integer(3)}},
      {"WHERE may test a property that is not selected",
       L"SELECT Size FROM Test_LogicalDisk WHERE VolumeName = 'System'",
       L"Size",
       {WmiValue::String(L"500107862016")}},
      {"property not selected gives nothing", L"SELECT Size, DriveType FROM Test_LogicalDisk", L"DeviceID", {}},
      {"property the class lacks gives nothing", all, L"NumberOfCores", {}},
      {"no instance satisfies the condition", all + L" WHERE DriveType = 4", L"DeviceID", {}},
      {"the other class", L"SELECT NumberOfCores FROM test_processor", L"NumberOfCores", {WmiValue::Integer(8)}},
  };
  for (const Case& c : cases) {
    const WmiAnswer answer = engine_.Query(c.statement, c.property);
    EXPECT_EQ(answer.failure, WmiFailure::None) << c.name;
    EXPECT_EQ(answer.values, c.want) << c.name;
  }
}

TEST_F(WqlEngineTest, RefusesWhatTheServiceRefuses) {
  struct Case {
    const char* name;
    std::wstring statement;
  };
  const std::wstring from = L"SELECT * FROM Test_LogicalDisk WHERE ";
  const Case cases[] = {
      {"empty", L""},
      {"blanks only", L"  \t "},
      {"SELECT alone", L"SELECT"},
      {"missing FROM", L"SELECT * Test_LogicalDisk"},
      {"missing class", L"SELECT * FROM"},
      {"unknown class", L"SELECT * FROM Win32_Nothing"},
      {"class named by a keyword", L"SELECT * FROM Null"},
      {"unknown selected property", L"SELECT Size, Bogus FROM Test_LogicalDisk"},
      {"property of the other class", L"SELECT NumberOfCores FROM Test_LogicalDisk"},
      {"star and a list", L"SELECT *, Size FROM Test_LogicalDisk"},
      {"dangling comma", L"SELECT Size, FROM Test_LogicalDisk"},
      {"trailing garbage", L"SELECT * FROM Test_LogicalDisk x"},
      {"two classes", L"SELECT * FROM Test_LogicalDisk, Test_Processor"},
      {"WHERE without condition", from},
      {"unknown property in WHERE", from + L"Bogus = 1"},
      {"unterminated string", from + L"VolumeName = 'System"},
      {"unterminated after an escape", from + L"VolumeName = 'System\\"},
      {"single backslash", from + LR"(ProviderName = '\\server\share')"},
      {"doubled quote is no escape", from + L"VolumeName = 'it''s'"},
      {"missing operator", from + L"DriveType 3"},
      {"double equals", from + L"DriveType == 3"},
      {"IS with a value", from + L"DriveType IS 3"},
      {"IS NOT with a string", from + L"VolumeName IS NOT 'x'"},
      {"two properties", from + L"DriveType = Size"},
      {"two literals", from + L"1 = 1"},
      {"literal after a literal", from + L"DriveType = 3 3"},
      {"number run into a keyword", from + L"DriveType = 3AND Compressed = TRUE"},
      {"real literal", from + L"DriveType = 3.5"},
      {"number beyond 64 bits", from + L"Size = 18446744073709551616"},
      {"bare hexadecimal prefix", from + L"Size = 0x"},
      {"sign without digits", from + L"DriveType = -"},
      {"unclosed parenthesis", from + L"(DriveType = 3"},
      {"unopened parenthesis", from + L"DriveType = 3)"},
      {"empty parentheses", from + L"()"},
      {"NOT alone", from + L"NOT"},
      {"AND without right side", from + L"DriveType = 3 AND"},
      {"LIKE with a number", from + L"VolumeName LIKE 5"},
      {"LIKE with an unclosed set", from + L"VolumeName LIKE 'a[bc'"},
      {"literal LIKE property", from + L"'a%' LIKE VolumeName"},
      {"character outside the grammar", from + L"DriveType = 3 # comment"},
      {"unknown property in LIKE", from + L"Bogus LIKE 'a'"},
      {"unknown property in IS NULL", from + L"Bogus IS NULL"},
  };
  for (const Case& c : cases) {
    const WmiAnswer answer = engine_.Query(c.statement, L"DeviceID");
    EXPECT_EQ(answer.failure, WmiFailure::Query) << c.name;
    EXPECT_TRUE(answer.values.empty()) << c.name;
  }
}

std::wstring Repeat(const std::wstring& piece, int times) {
  std::wstring out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TEST_F(WqlEngineTest, NestingIsCappedAndLongChainsAreNot) {
  struct Case {
    const char* name;
    std::wstring condition;
    bool accepted;
  };
  const Case cases[] = {
      {"parentheses at the cap", Repeat(L"(", kWqlMaxNesting) + L"DriveType = 3" + Repeat(L")", kWqlMaxNesting),
       true},
      {"parentheses past the cap",
       Repeat(L"(", kWqlMaxNesting + 1) + L"DriveType = 3" + Repeat(L")", kWqlMaxNesting + 1), false},
      {"NOTs at the cap", Repeat(L"NOT ", kWqlMaxNesting) + L"DriveType = 3", true},
      {"NOTs past the cap", Repeat(L"NOT ", kWqlMaxNesting + 1) + L"DriveType = 3", false},
      {"NOTs and parentheses together past the cap",
       Repeat(L"NOT (", kWqlMaxNesting / 2) + L"(DriveType <> 3)" + Repeat(L")", kWqlMaxNesting / 2), false},
      {"far past the cap", Repeat(L"(", 200000) + L"DriveType = 3" + Repeat(L")", 200000), false},
      {"long AND chain", L"DriveType = 3" + Repeat(L" AND DriveType = 3", 100000), true},
  };
  for (const Case& c : cases) {
    const std::optional<Ids> got = Selected(c.condition);
    if (c.accepted) {
      EXPECT_EQ(got, std::optional<Ids>(Ids{L"C:", L"D:"})) << c.name;
    } else {
      EXPECT_EQ(got, std::nullopt) << c.name;
    }
  }
}

TEST(MatchesLike, TakesTimeInProportionToTheTwoLengthsOnly) {
  // A pattern that makes a backtracking matcher try every way of placing
  // its runs: with eight '%' over 20000 characters that would never end.
  const std::wstring text(20000, L'a');
  const std::optional<LikePattern> failing = CompileLike(L"%a%a%a%a%a%a%a%a%b");
  const std::optional<LikePattern> matching = CompileLike(L"%a%a%a%a%a%a%a%a%");
  ASSERT_TRUE(failing && matching);
  EXPECT_FALSE(MatchesLike(*failing, text));
  EXPECT_TRUE(MatchesLike(*matching, text));
}

TEST(CompileLike, SetsTakeBracketAndDashAsMembersWhereTheyCannotCloseOrSpan) {
  struct Case {
    const char* name;
    std::wstring pattern;
    std::wstring text;
    bool want;
  };
  const Case cases[] = {
      {"bracket first in a set", L"[]]", L"]", true},
      {"bracket first in a negated set", L"[^]]", L"]", false},
      {"dash last", L"[a-]", L"-", true},
      {"dash first", L"[-a]", L"-", true},
      {"range excludes outside", L"[b-d]", L"e", false},
      {"range across the case boundary", L"[X-c]", L"x", true},
      {"reversed range holds nothing", L"[d-b]", L"c", false},
      {"percent inside a set is literal", L"[%]", L"x", false},
      {"non-ASCII kept as is", L"\u00e9%", L"\u00e9t\u00e9", true},
      {"non-ASCII case is not folded", L"\u00c9%", L"\u00e9t\u00e9", false},
  };
  for (const Case& c : cases) {
    const std::optional<LikePattern> pattern = CompileLike(c.pattern);
    ASSERT_TRUE(pattern) << c.name;
    EXPECT_EQ(MatchesLike(*pattern, c.text), c.want) << c.name;
  }
}

}  // namespace

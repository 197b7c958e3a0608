// Fuzzes the WQL engine with whole statements against one class of every
// property type. Beyond not crashing, an answer must hold: a statement is
// refused for every property or for none; an accepted one delivers, for each
// property, values of that property's type taken from that property's own
// instance values; SELECT * delivers as many values for every property as
// for the key; and without LIKE sets the case of the statement's ASCII
// letters changes nothing.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "base/utf.h"
#include "platform/linux/wmi/wmi_class.h"
#include "platform/linux/wmi/wql.h"
#include "platform/linux/wmi/wql_engine.h"

namespace {

using platform::WmiAnswer;
using platform::WmiFailure;
using platform::WmiValue;
using namespace platform::linux_backend::wmi;

const std::vector<PropertySpec> kProperties = {
    {L"Key", CimType::String},      {L"Label", CimType::String},       {L"Count", CimType::UInt32},
    {L"Offset", CimType::SInt32},   {L"Bytes", CimType::UInt64},       {L"Delta", CimType::SInt64},
    {L"Enabled", CimType::Boolean}, {L"Stamp", CimType::DateTime},     {L"Ratio", CimType::Real64}};

// Every instance holds Key; the others hold some properties, leave some out
// and set some to NULL outright.
std::vector<Instance> MakeInstances() {
  return {
      {{L"Key", MakeValue(CimType::String, L"k1")},
       {L"Label", MakeValue(CimType::String, L"Alpha_1")},
       {L"Count", MakeValue(CimType::UInt32, 3)},
       {L"Offset", MakeValue(CimType::SInt32, -7)},
       {L"Bytes", MakeValue(CimType::UInt64, L"18446744073709551615")},
       {L"Delta", MakeValue(CimType::SInt64, L"-9223372036854775808")},
       {L"Enabled", MakeValue(CimType::Boolean, 1)},
       {L"Stamp", MakeValue(CimType::DateTime, L"20240229235959.000000+000")},
       {L"Ratio", MakeValue(CimType::Real64, L"0.5")}},
      {{L"Key", MakeValue(CimType::String, L"k2")},
       {L"Label", MakeValue(CimType::String, L"")},
       {L"Count", MakeValue(CimType::UInt32, 0)},
       {L"Bytes", MakeValue(CimType::UInt64, L"9")},
       {L"Enabled", MakeValue(CimType::Boolean, 0)},
       {L"Stamp", WmiValue::Null()}},
      {{L"Key", MakeValue(CimType::String, L"k3")},
       {L"Label", MakeValue(CimType::String, L"be\u00e9ta [x] 100%")},
       {L"Count", WmiValue::Null()},
       {L"Offset", MakeValue(CimType::SInt32, 2147483647)},
       {L"Bytes", MakeValue(CimType::UInt64, L"not a number")},
       {L"Delta", MakeValue(CimType::SInt64, L"42")},
       {L"Ratio", MakeValue(CimType::Real64, L"-1e300")}},
  };
}

class FuzzClass final : public WmiClass {
 public:
  std::wstring Name() const override { return L"Fuzz_Thing"; }
  std::vector<PropertySpec> Properties() const override { return kProperties; }
  std::vector<Instance> Instances() const override { return MakeInstances(); }
};

std::unique_ptr<WqlEngine> MakeEngine() {
  std::vector<std::unique_ptr<WmiClass>> classes;
  classes.push_back(std::make_unique<FuzzClass>());
  return std::make_unique<WqlEngine>(std::move(classes));
}

// Whether `value` is one that the property can deliver: NULL, or a value of
// its own type that one of the instances holds for it.
bool Deliverable(const PropertySpec& property, const WmiValue& value, const std::vector<Instance>& instances) {
  if (value.type == WmiValue::Type::Null) return true;
  if (value.type != MakeValue(property.type, std::int64_t{0}).type) return false;
  for (const Instance& instance : instances) {
    const auto held = instance.find(property.name);
    if (held != instance.end() && held->second == value) return true;
  }
  return false;
}

std::vector<WmiAnswer> AskAll(WqlEngine& engine, const std::wstring& statement) {
  std::vector<WmiAnswer> answers;
  for (const PropertySpec& property : kProperties) answers.push_back(engine.Query(statement, property.name));
  answers.push_back(engine.Query(statement, L"Missing"));
  return answers;
}

bool SameAnswers(const std::vector<WmiAnswer>& a, const std::vector<WmiAnswer>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].failure != b[i].failure || a[i].values != b[i].values) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::unique_ptr<WqlEngine> engine = MakeEngine();
  static const std::vector<Instance> instances = MakeInstances();
  const std::wstring statement =
      text::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));

  const std::vector<WmiAnswer> answers = AskAll(*engine, statement);
  const bool refused = answers.front().failure != WmiFailure::None;
  for (const WmiAnswer& answer : answers) {
    if ((answer.failure != WmiFailure::None) != refused) std::abort();
    if (refused && (answer.failure != WmiFailure::Query || !answer.values.empty())) std::abort();
  }
  if (refused) return 0;

  const std::optional<WqlStatement> parsed = ParseWql(statement);
  if (!parsed) std::abort();
  const std::size_t selected = answers.front().values.size();
  for (std::size_t i = 0; i < kProperties.size(); ++i) {
    const std::vector<WmiValue>& values = answers[i].values;
    if (values.size() > instances.size()) std::abort();
    if (parsed->selectAll && values.size() != selected) std::abort();
    for (const WmiValue& value : values) {
      if (!Deliverable(kProperties[i], value, instances)) std::abort();
    }
  }
  if (!answers.back().values.empty()) std::abort();

  if (statement.find(L'[') == std::wstring::npos) {
    if (!SameAnswers(AskAll(*engine, text::LowerAscii(statement)), answers)) std::abort();
    if (!SameAnswers(AskAll(*engine, text::UpperAscii(statement)), answers)) std::abort();
  }
  return 0;
}

#include "platform/linux/wmi/wql_engine.h"

#include <exception>
#include <optional>
#include <utility>

#include "base/text.h"
#include "platform/linux/wmi/wql.h"

namespace platform::linux_backend::wmi {

namespace {

WmiAnswer Refused() { return WmiAnswer{WmiFailure::Query, {}}; }

// The class's spelling of `requested` when the statement selects it and the
// class has it.
std::optional<std::wstring> SelectedProperty(const WqlStatement& statement,
                                             const std::vector<PropertySpec>& properties,
                                             const std::wstring& requested) {
  const std::wstring wanted = text::LowerAscii(requested);
  for (const PropertySpec& spec : properties) {
    if (text::LowerAscii(spec.name) != wanted) continue;
    if (statement.selectAll) return spec.name;
    for (const std::wstring& name : statement.selected) {
      if (name == spec.name) return spec.name;
    }
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

WqlEngine::WqlEngine(std::vector<std::unique_ptr<WmiClass>> classes) : classes_(std::move(classes)) {}

// The statement comes from config.xml and the classes read the machine;
// whatever goes wrong inside (memory, a reader's fault) becomes a refused
// query rather than an exception in the caller.
WmiAnswer WqlEngine::Query(const std::wstring& statement, const std::wstring& property) {
  try {
    return Answer(statement, property);
  } catch (const std::exception&) {
    return Refused();
  }
}

WmiAnswer WqlEngine::Answer(const std::wstring& statement, const std::wstring& property) const {
  std::optional<WqlStatement> parsed = ParseWql(statement);
  if (!parsed) return Refused();
  const std::wstring wantedClass = text::LowerAscii(parsed->className);
  const WmiClass* found = nullptr;
  for (const std::unique_ptr<WmiClass>& candidate : classes_) {
    if (text::LowerAscii(candidate->Name()) == wantedClass) {
      found = candidate.get();
      break;
    }
  }
  if (found == nullptr) return Refused();
  const std::vector<PropertySpec> properties = found->Properties();
  if (!ResolveProperties(*parsed, properties)) return Refused();

  WmiAnswer answer;
  const std::optional<std::wstring> name = SelectedProperty(*parsed, properties, property);
  if (!name) return answer;
  for (const Instance& instance : found->Instances()) {
    if (!Satisfies(*parsed, instance)) continue;
    const auto value = instance.find(*name);
    answer.values.push_back(value == instance.end() ? WmiValue::Null() : value->second);
  }
  return answer;
}

}  // namespace platform::linux_backend::wmi

#include <charconv>
#include <string>

#include "base/text.h"
#include "platform/linux/wmi/wql.h"

namespace platform::linux_backend::wmi {

namespace {

enum class Truth { False, True, Unknown };

Truth FromBool(bool b) { return b ? Truth::True : Truth::False; }

// One side of a comparison brought to a form that can be compared.
struct Operand {
  enum class Kind { Text, Number, Real };
  Kind kind = Kind::Text;
  std::wstring text;
  WqlNumber number;
  double real = 0.0;
};

WqlNumber FromInt64(std::int64_t value) {
  const auto magnitude = static_cast<std::uint64_t>(value);
  return WqlNumber{value < 0, value < 0 ? 0 - magnitude : magnitude};
}

std::optional<Operand> FromValue(const WmiValue& value) {
  Operand operand;
  switch (value.type) {
    case WmiValue::Type::Null:
      return std::nullopt;
    case WmiValue::Type::String:
      operand.text = value.text;
      break;
    case WmiValue::Type::Integer:
      operand.kind = Operand::Kind::Number;
      operand.number = FromInt64(value.integer);
      break;
    case WmiValue::Type::Boolean:
      operand.kind = Operand::Kind::Number;
      operand.number = WqlNumber{false, value.boolean ? 1u : 0u};
      break;
    case WmiValue::Type::Real:
      operand.kind = Operand::Kind::Real;
      operand.real = value.real;
      break;
  }
  return operand;
}

std::optional<Operand> FromLiteral(const WqlLiteral& literal) {
  Operand operand;
  switch (literal.kind) {
    case WqlLiteral::Kind::Null:
      return std::nullopt;
    case WqlLiteral::Kind::String:
      operand.text = literal.text;
      break;
    case WqlLiteral::Kind::Number:
      operand.kind = Operand::Kind::Number;
      operand.number = literal.number;
      break;
    case WqlLiteral::Kind::Boolean:
      operand.kind = Operand::Kind::Number;
      operand.number = WqlNumber{false, literal.boolean ? 1u : 0u};
      break;
  }
  return operand;
}

std::optional<WqlNumber> AsNumber(const Operand& operand) {
  if (operand.kind == Operand::Kind::Number) return operand.number;
  const std::wstring upper = text::UpperAscii(operand.text);
  if (upper == L"TRUE") return WqlNumber{false, 1};
  if (upper == L"FALSE") return WqlNumber{false, 0};
  return ParseWqlInteger(operand.text);
}

// A text reads as a real only when the whole of it is one in the C form,
// whatever the locale of the process says about decimal points.
std::optional<double> AsReal(const Operand& operand) {
  if (operand.kind == Operand::Kind::Real) return operand.real;
  if (operand.kind == Operand::Kind::Number) {
    const auto magnitude = static_cast<double>(operand.number.magnitude);
    return operand.number.negative ? -magnitude : magnitude;
  }
  std::string narrow;
  for (const wchar_t c : operand.text) {
    if (c <= 0 || c > 0x7F) return std::nullopt;
    narrow += static_cast<char>(c);
  }
  double real = 0.0;
  const char* end = narrow.data() + narrow.size();
  const auto [stop, error] = std::from_chars(narrow.data(), end, real);
  if (error != std::errc() || stop != end || narrow.empty()) return std::nullopt;
  return real;
}

int CompareNumbers(const WqlNumber& a, const WqlNumber& b) {
  const bool aNegative = a.negative && a.magnitude != 0;
  const bool bNegative = b.negative && b.magnitude != 0;
  if (aNegative != bNegative) return aNegative ? -1 : 1;
  const int byMagnitude = a.magnitude < b.magnitude ? -1 : (a.magnitude > b.magnitude ? 1 : 0);
  return aNegative ? -byMagnitude : byMagnitude;
}

Truth Holds(int order, WqlOperator op) {
  switch (op) {
    case WqlOperator::Equal:
      return FromBool(order == 0);
    case WqlOperator::NotEqual:
      return FromBool(order != 0);
    case WqlOperator::Less:
      return FromBool(order < 0);
    case WqlOperator::Greater:
      return FromBool(order > 0);
    case WqlOperator::LessEqual:
      return FromBool(order <= 0);
    case WqlOperator::GreaterEqual:
      return FromBool(order >= 0);
  }
  return Truth::Unknown;
}

Truth Compare(const WmiValue& value, WqlOperator op, const WqlLiteral& literal) {
  const std::optional<Operand> left = FromValue(value);
  const std::optional<Operand> right = FromLiteral(literal);
  if (!left || !right) return Truth::Unknown;
  if (left->kind == Operand::Kind::Text && right->kind == Operand::Kind::Text) {
    const int order = text::LowerAscii(left->text).compare(text::LowerAscii(right->text));
    return Holds(order < 0 ? -1 : (order > 0 ? 1 : 0), op);
  }
  if (left->kind == Operand::Kind::Real || right->kind == Operand::Kind::Real) {
    const std::optional<double> a = AsReal(*left);
    const std::optional<double> b = AsReal(*right);
    if (!a || !b) return Truth::Unknown;
    if (*a < *b) return Holds(-1, op);
    if (*a > *b) return Holds(1, op);
    if (*a == *b) return Holds(0, op);
    return Truth::Unknown;
  }
  const std::optional<WqlNumber> a = AsNumber(*left);
  const std::optional<WqlNumber> b = AsNumber(*right);
  if (!a || !b) return Truth::Unknown;
  return Holds(CompareNumbers(*a, *b), op);
}

const WmiValue& ValueOf(const Instance& instance, const std::wstring& property) {
  static const WmiValue kNull;
  const auto found = instance.find(property);
  return found == instance.end() ? kNull : found->second;
}

Truth Like(const WmiValue& value, const LikePattern& pattern) {
  if (value.type == WmiValue::Type::String) return FromBool(MatchesLike(pattern, value.text));
  if (value.type == WmiValue::Type::Integer) return FromBool(MatchesLike(pattern, std::to_wstring(value.integer)));
  return Truth::Unknown;
}

// Recursion follows the nesting of the statement, which the parser caps.
Truth Evaluate(const std::vector<WqlNode>& nodes, std::size_t index, const Instance& instance) {
  const WqlNode& node = nodes[index];
  switch (node.kind) {
    case WqlNode::Kind::And:
    case WqlNode::Kind::Or: {
      // The deciding value: false decides an AND, true an OR.
      const Truth decides = node.kind == WqlNode::Kind::And ? Truth::False : Truth::True;
      Truth result = node.kind == WqlNode::Kind::And ? Truth::True : Truth::False;
      for (const std::size_t child : node.children) {
        const Truth truth = Evaluate(nodes, child, instance);
        if (truth == decides) return decides;
        if (truth == Truth::Unknown) result = Truth::Unknown;
      }
      return result;
    }
    case WqlNode::Kind::Not: {
      const Truth truth = Evaluate(nodes, node.children.front(), instance);
      if (truth == Truth::Unknown) return truth;
      return FromBool(truth == Truth::False);
    }
    case WqlNode::Kind::IsNull:
      return FromBool(ValueOf(instance, node.property).type == WmiValue::Type::Null);
    case WqlNode::Kind::IsNotNull:
      return FromBool(ValueOf(instance, node.property).type != WmiValue::Type::Null);
    case WqlNode::Kind::Like:
      return Like(ValueOf(instance, node.property), node.pattern);
    case WqlNode::Kind::Compare:
      return Compare(ValueOf(instance, node.property), node.op, node.literal);
  }
  return Truth::Unknown;
}

}  // namespace

bool Satisfies(const WqlStatement& statement, const Instance& instance) {
  if (statement.condition.empty()) return true;
  return Evaluate(statement.condition, statement.condition.size() - 1, instance) == Truth::True;
}

}  // namespace platform::linux_backend::wmi

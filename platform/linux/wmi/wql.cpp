#include "platform/linux/wmi/wql.h"

#include <charconv>
#include <limits>

#include "base/text.h"
#include "base/wildcard.h"

namespace platform::linux_backend::wmi {

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsWordStart(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; }

bool IsWordChar(wchar_t c) { return IsWordStart(c) || IsDigit(c); }

bool IsBlank(wchar_t c) { return text::IsOneOf(c, text::kLineBlanks); }

int DigitValue(wchar_t c, unsigned base) {
  int value = -1;
  if (IsDigit(c)) value = c - L'0';
  if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
  if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
  return value < static_cast<int>(base) ? value : -1;
}

// ---- LIKE patterns ----

bool InRanges(const LikeElement& set, wchar_t c) {
  for (const auto& [low, high] : set.ranges) {
    if (c >= low && c <= high) return true;
  }
  return false;
}

// `lowered` and `raised` are one character of the text in its two cases.
bool MatchesOne(const LikeElement& element, wchar_t lowered, wchar_t raised) {
  switch (element.kind) {
    case LikeElement::Kind::AnyOne:
      return true;
    case LikeElement::Kind::Char:
      return element.lowered == lowered;
    case LikeElement::Kind::Set:
      return (InRanges(element, lowered) || InRanges(element, raised)) != element.negated;
    case LikeElement::Kind::AnyRun:
      break;
  }
  return false;
}

// ---- Tokens ----

struct Token {
  enum class Kind { Word, String, Number, Star, Comma, Open, Close, Compare, End };
  Kind kind = Kind::End;
  std::wstring text;   // Word as written, String with its escapes undone
  std::wstring upper;  // Word in capitals, for telling keywords
  WqlNumber number;
  WqlOperator op = WqlOperator::Equal;
};

// The body of a quoted string from just after its opening quote; `at` ends
// just after the closing quote.
std::optional<std::wstring> ReadString(std::wstring_view s, std::size_t& at, wchar_t quote) {
  std::wstring out;
  while (at < s.size()) {
    const wchar_t c = s[at++];
    if (c == quote) return out;
    if (c == L'\\') {
      if (at == s.size()) return std::nullopt;
      const wchar_t escaped = s[at++];
      if (escaped != L'\\' && escaped != L'\'' && escaped != L'"') return std::nullopt;
      out += escaped;
    } else {
      out += c;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<Token>> Tokenize(std::wstring_view s) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  for (;;) {
    while (at < s.size() && IsBlank(s[at])) ++at;
    if (at == s.size()) break;
    const wchar_t c = s[at];
    const wchar_t next = at + 1 < s.size() ? s[at + 1] : L'\0';
    Token token;
    if (IsWordStart(c)) {
      const std::size_t start = at;
      while (at < s.size() && IsWordChar(s[at])) ++at;
      token.kind = Token::Kind::Word;
      token.text = std::wstring(s.substr(start, at - start));
      token.upper = text::UpperAscii(token.text);
    } else if (IsDigit(c) || ((c == L'-' || c == L'+') && IsDigit(next))) {
      // Letters belong to the number so that "0x1F" is read whole and "3AND"
      // is refused rather than read as "3 AND".
      const std::size_t start = at++;
      while (at < s.size() && IsWordChar(s[at])) ++at;
      const std::optional<WqlNumber> number = ParseWqlInteger(s.substr(start, at - start));
      if (!number) return std::nullopt;
      token.kind = Token::Kind::Number;
      token.number = *number;
    } else if (c == L'\'' || c == L'"') {
      ++at;
      std::optional<std::wstring> body = ReadString(s, at, c);
      if (!body) return std::nullopt;
      token.kind = Token::Kind::String;
      token.text = std::move(*body);
    } else {
      ++at;
      token.kind = Token::Kind::Compare;
      if (c == L'*') {
        token.kind = Token::Kind::Star;
      } else if (c == L',') {
        token.kind = Token::Kind::Comma;
      } else if (c == L'(') {
        token.kind = Token::Kind::Open;
      } else if (c == L')') {
        token.kind = Token::Kind::Close;
      } else if (c == L'=') {
        token.op = WqlOperator::Equal;
      } else if (c == L'<' && next == L'>') {
        token.op = WqlOperator::NotEqual;
        ++at;
      } else if (c == L'<' && next == L'=') {
        token.op = WqlOperator::LessEqual;
        ++at;
      } else if (c == L'<') {
        token.op = WqlOperator::Less;
      } else if (c == L'>' && next == L'=') {
        token.op = WqlOperator::GreaterEqual;
        ++at;
      } else if (c == L'>') {
        token.op = WqlOperator::Greater;
      } else if (c == L'!' && next == L'=') {
        token.op = WqlOperator::NotEqual;
        ++at;
      } else {
        return std::nullopt;
      }
    }
    tokens.push_back(std::move(token));
  }
  tokens.push_back(Token{});
  return tokens;
}

// ---- Parsing ----

constexpr std::wstring_view kReserved[] = {L"SELECT", L"FROM", L"WHERE", L"AND", L"OR",    L"NOT",
                                           L"LIKE",   L"IS",   L"NULL",  L"TRUE", L"FALSE"};

bool IsKeyword(const Token& token, std::wstring_view keyword) {
  return token.kind == Token::Kind::Word && token.upper == keyword;
}

bool IsName(const Token& token) {
  if (token.kind != Token::Kind::Word) return false;
  for (const std::wstring_view keyword : kReserved) {
    if (IsKeyword(token, keyword)) return false;
  }
  return true;
}

// The property stays on the left: "5 < x" is "x > 5".
WqlOperator Mirrored(WqlOperator op) {
  switch (op) {
    case WqlOperator::Less:
      return WqlOperator::Greater;
    case WqlOperator::Greater:
      return WqlOperator::Less;
    case WqlOperator::LessEqual:
      return WqlOperator::GreaterEqual;
    case WqlOperator::GreaterEqual:
      return WqlOperator::LessEqual;
    case WqlOperator::Equal:
    case WqlOperator::NotEqual:
      break;
  }
  return op;
}

// Recursive descent over the tokens. Every function returns the index of the
// node it built, which is always the last node added, or nothing when the
// statement is refused. `depth` counts the parentheses and NOTs open.
class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::optional<WqlStatement> Statement() {
    WqlStatement statement;
    if (!Accept(L"SELECT")) return std::nullopt;
    if (Peek().kind == Token::Kind::Star) {
      ++at_;
      statement.selectAll = true;
    } else {
      do {
        if (!IsName(Peek())) return std::nullopt;
        statement.selected.push_back(Take().text);
      } while (AcceptKind(Token::Kind::Comma));
    }
    if (!Accept(L"FROM") || !IsName(Peek())) return std::nullopt;
    statement.className = Take().text;
    if (Accept(L"WHERE") && !Or(0)) return std::nullopt;
    if (Peek().kind != Token::Kind::End) return std::nullopt;
    statement.condition = std::move(nodes_);
    return statement;
  }

 private:
  const Token& Peek() const { return tokens_[at_]; }
  const Token& Take() { return tokens_[at_++]; }

  bool Accept(std::wstring_view keyword) {
    if (!IsKeyword(Peek(), keyword)) return false;
    ++at_;
    return true;
  }

  bool AcceptKind(Token::Kind kind) {
    if (Peek().kind != kind) return false;
    ++at_;
    return true;
  }

  std::size_t Add(WqlNode node) {
    nodes_.push_back(std::move(node));
    return nodes_.size() - 1;
  }

  // A run of operands joined by one keyword becomes one node with all of
  // them as children, so a long chain adds no depth.
  template <typename Operand>
  std::optional<std::size_t> Chain(std::wstring_view keyword, WqlNode::Kind kind, int depth, Operand operand) {
    std::optional<std::size_t> first = (this->*operand)(depth);
    if (!first || !IsKeyword(Peek(), keyword)) return first;
    WqlNode node;
    node.kind = kind;
    node.children.push_back(*first);
    while (Accept(keyword)) {
      const std::optional<std::size_t> next = (this->*operand)(depth);
      if (!next) return std::nullopt;
      node.children.push_back(*next);
    }
    return Add(std::move(node));
  }

  std::optional<std::size_t> Or(int depth) { return Chain(L"OR", WqlNode::Kind::Or, depth, &Parser::And); }

  std::optional<std::size_t> And(int depth) { return Chain(L"AND", WqlNode::Kind::And, depth, &Parser::Not); }

  std::optional<std::size_t> Not(int depth) {
    if (!Accept(L"NOT")) return Primary(depth);
    if (depth >= kWqlMaxNesting) return std::nullopt;
    const std::optional<std::size_t> child = Not(depth + 1);
    if (!child) return std::nullopt;
    WqlNode node;
    node.kind = WqlNode::Kind::Not;
    node.children.push_back(*child);
    return Add(std::move(node));
  }

  std::optional<std::size_t> Primary(int depth) {
    if (!AcceptKind(Token::Kind::Open)) return Predicate();
    if (depth >= kWqlMaxNesting) return std::nullopt;
    const std::optional<std::size_t> inner = Or(depth + 1);
    if (!inner || !AcceptKind(Token::Kind::Close)) return std::nullopt;
    return inner;
  }

  std::optional<WqlLiteral> Literal() {
    WqlLiteral literal;
    const Token& token = Peek();
    if (token.kind == Token::Kind::String) {
      literal.kind = WqlLiteral::Kind::String;
      literal.text = token.text;
    } else if (token.kind == Token::Kind::Number) {
      literal.kind = WqlLiteral::Kind::Number;
      literal.number = token.number;
    } else if (IsKeyword(token, L"TRUE") || IsKeyword(token, L"FALSE")) {
      literal.kind = WqlLiteral::Kind::Boolean;
      literal.boolean = IsKeyword(token, L"TRUE");
    } else if (!IsKeyword(token, L"NULL")) {
      return std::nullopt;
    }
    ++at_;
    return literal;
  }

  std::optional<std::size_t> Predicate() {
    WqlNode node;
    if (!IsName(Peek())) {
      std::optional<WqlLiteral> literal = Literal();
      if (!literal || Peek().kind != Token::Kind::Compare) return std::nullopt;
      node.kind = WqlNode::Kind::Compare;
      node.op = Mirrored(Take().op);
      if (!IsName(Peek())) return std::nullopt;
      node.property = Take().text;
      node.literal = std::move(*literal);
      return Add(std::move(node));
    }
    node.property = Take().text;
    if (Accept(L"IS")) {
      node.kind = Accept(L"NOT") ? WqlNode::Kind::IsNotNull : WqlNode::Kind::IsNull;
      if (!Accept(L"NULL")) return std::nullopt;
    } else if (Accept(L"LIKE")) {
      if (Peek().kind != Token::Kind::String) return std::nullopt;
      std::optional<LikePattern> pattern = CompileLike(Take().text);
      if (!pattern) return std::nullopt;
      node.kind = WqlNode::Kind::Like;
      node.pattern = std::move(*pattern);
    } else {
      if (Peek().kind != Token::Kind::Compare) return std::nullopt;
      node.kind = WqlNode::Kind::Compare;
      node.op = Take().op;
      std::optional<WqlLiteral> literal = Literal();
      if (!literal) return std::nullopt;
      node.literal = std::move(*literal);
    }
    return Add(std::move(node));
  }

  std::vector<Token> tokens_;
  std::size_t at_ = 0;
  std::vector<WqlNode> nodes_;
};

// ---- Evaluation ----

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

std::optional<WqlNumber> ParseWqlInteger(std::wstring_view text) {
  std::size_t at = 0;
  WqlNumber number;
  if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) number.negative = text[at++] == L'-';
  unsigned base = 10;
  if (text.size() - at > 2 && text[at] == L'0' && (text[at + 1] == L'x' || text[at + 1] == L'X')) {
    base = 16;
    at += 2;
  }
  if (at == text.size()) return std::nullopt;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) return std::nullopt;
    const auto d = static_cast<std::uint64_t>(digit);
    if (number.magnitude > (kMax - d) / base) return std::nullopt;
    number.magnitude = number.magnitude * base + d;
  }
  return number;
}

std::optional<LikePattern> CompileLike(std::wstring_view pattern) {
  // Single characters are compared in lower case; ranges keep the case they
  // are written in, because lowering "[Z-a]" would change what it holds.
  const std::wstring lowered = text::LowerAscii(std::wstring(pattern));
  LikePattern compiled;
  std::size_t at = 0;
  while (at < pattern.size()) {
    LikeElement element;
    const wchar_t c = pattern[at];
    if (c == L'%') {
      element.kind = LikeElement::Kind::AnyRun;
      ++at;
    } else if (c == L'_') {
      element.kind = LikeElement::Kind::AnyOne;
      ++at;
    } else if (c == L'[') {
      element.kind = LikeElement::Kind::Set;
      ++at;
      if (at < pattern.size() && pattern[at] == L'^') {
        element.negated = true;
        ++at;
      }
      const std::size_t first = at;
      while (at < pattern.size() && (pattern[at] != L']' || at == first)) {
        const wchar_t low = pattern[at];
        if (at + 2 < pattern.size() && pattern[at + 1] == L'-' && pattern[at + 2] != L']') {
          element.ranges.emplace_back(low, pattern[at + 2]);
          at += 3;
        } else {
          element.ranges.emplace_back(low, low);
          ++at;
        }
      }
      if (at == pattern.size()) return std::nullopt;
      ++at;
    } else {
      element.kind = LikeElement::Kind::Char;
      element.lowered = lowered[at];
      ++at;
    }
    compiled.push_back(std::move(element));
  }
  return compiled;
}

// Every element but '%' takes exactly one character, which is what the
// shared matching loop needs to stay linear in each length.
bool MatchesLike(const LikePattern& pattern, std::wstring_view text) {
  const std::wstring lowered = text::LowerAscii(std::wstring(text));
  const std::wstring raised = text::UpperAscii(std::wstring(text));
  return text::MatchesWithRuns(
      pattern.size(), lowered.size(), [&](std::size_t pi) { return pattern[pi].kind == LikeElement::Kind::AnyRun; },
      [&](std::size_t pi, std::size_t ti) { return MatchesOne(pattern[pi], lowered[ti], raised[ti]); });
}

std::optional<WqlStatement> ParseWql(std::wstring_view statement) {
  std::optional<std::vector<Token>> tokens = Tokenize(statement);
  if (!tokens) return std::nullopt;
  return Parser(std::move(*tokens)).Statement();
}

bool ResolveProperties(WqlStatement& statement, const std::vector<PropertySpec>& properties) {
  const auto resolve = [&properties](std::wstring& name) {
    const std::wstring wanted = text::LowerAscii(name);
    for (const PropertySpec& spec : properties) {
      if (text::LowerAscii(spec.name) == wanted) {
        name = spec.name;
        return true;
      }
    }
    return false;
  };
  for (std::wstring& name : statement.selected) {
    if (!resolve(name)) return false;
  }
  for (WqlNode& node : statement.condition) {
    const bool namesProperty = node.kind != WqlNode::Kind::And && node.kind != WqlNode::Kind::Or &&
                               node.kind != WqlNode::Kind::Not;
    if (namesProperty && !resolve(node.property)) return false;
  }
  return true;
}

bool Satisfies(const WqlStatement& statement, const Instance& instance) {
  if (statement.condition.empty()) return true;
  return Evaluate(statement.condition, statement.condition.size() - 1, instance) == Truth::True;
}

}  // namespace platform::linux_backend::wmi

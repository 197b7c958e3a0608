#include "base/text.h"
#include "platform/linux/wmi/wql.h"
#include "platform/linux/wmi/wql_lexer.h"

namespace platform::linux_backend::wmi {

namespace {

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

}  // namespace

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

}  // namespace platform::linux_backend::wmi

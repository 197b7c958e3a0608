#include "platform/linux/wmi/wql_lexer.h"

#include <limits>

#include "base/text.h"

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

}  // namespace

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

}  // namespace platform::linux_backend::wmi

// The tokens of a WQL statement, for the parser: words, strings, numbers and
// the operators and punctuation between them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/wmi/wql.h"

namespace platform::linux_backend::wmi {

struct Token {
  enum class Kind { Word, String, Number, Star, Comma, Open, Close, Compare, End };
  Kind kind = Kind::End;
  std::wstring text;   // Word as written, String with its escapes undone
  std::wstring upper;  // Word in capitals, for telling keywords
  WqlNumber number;
  WqlOperator op = WqlOperator::Equal;
};

// The statement's tokens, ended by one of kind End; nothing when the text
// holds a character no token begins with, an unclosed string, or a number
// that does not read.
std::optional<std::vector<Token>> Tokenize(std::wstring_view statement);

}  // namespace platform::linux_backend::wmi

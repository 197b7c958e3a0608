// The WQL statements of config.xml as the Linux build understands them: a
// statement parsed into its class, its selected properties and its WHERE
// condition, and the test of one instance against that condition. Pure: no
// file or class is read here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/linux/wmi/wmi_class.h"

namespace platform::linux_backend::wmi {

// How deeply parentheses and NOT may nest; a deeper statement is refused so
// that no statement from outside can exhaust the stack.
inline constexpr int kWqlMaxNesting = 256;

// A whole number with room for every signed and every unsigned 64-bit value:
// literals and 64-bit properties both reach past what one of the two types
// can hold.
struct WqlNumber {
  bool negative = false;
  std::uint64_t magnitude = 0;
  friend bool operator==(const WqlNumber&, const WqlNumber&) = default;
};

// An integer as WQL writes it: an optional sign, then decimal digits or
// "0x" and hexadecimal digits, and nothing else. Nothing when the text is
// not one or its magnitude exceeds 64 bits.
std::optional<WqlNumber> ParseWqlInteger(std::wstring_view text);

// One step of a LIKE pattern; every kind but AnyRun stands for exactly one
// character.
struct LikeElement {
  enum class Kind { AnyRun, AnyOne, Char, Set };
  Kind kind = Kind::AnyOne;
  wchar_t lowered = 0;                              // Char
  bool negated = false;                             // Set
  std::vector<std::pair<wchar_t, wchar_t>> ranges;  // Set; a member c is c-c
};
using LikePattern = std::vector<LikeElement>;

// '%' stands for any run of characters, '_' for one, "[abc]", "[a-z]" and
// "[^abc]" for one of (or none of) a set; a ']' right after "[" or "[^" is a
// member, and so is a '-' first or last in a set. Nothing when a '[' is never
// closed.
std::optional<LikePattern> CompileLike(std::wstring_view pattern);

// Whether the whole text matches, without regard to the case of A-Z: a set
// member or range matches a letter in either case. Time grows with the
// product of the two lengths at worst, however many '%' the pattern holds.
bool MatchesLike(const LikePattern& pattern, std::wstring_view text);

struct WqlLiteral {
  enum class Kind { String, Number, Boolean, Null };
  Kind kind = Kind::Null;
  std::wstring text;  // String
  WqlNumber number;   // Number
  bool boolean = false;
};

enum class WqlOperator { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

// One node of a condition. Nodes live in one flat list and name their
// children by index, so that neither a long chain of ANDs nor its
// destruction costs stack.
struct WqlNode {
  enum class Kind { And, Or, Not, Compare, Like, IsNull, IsNotNull };
  Kind kind = Kind::IsNull;
  std::vector<std::size_t> children;  // And, Or: two or more; Not: one
  std::wstring property;              // Compare, Like, IsNull, IsNotNull
  WqlOperator op = WqlOperator::Equal;  // Compare, with the property on the left
  WqlLiteral literal;                   // Compare
  LikePattern pattern;                  // Like
};

struct WqlStatement {
  std::wstring className;
  bool selectAll = false;
  std::vector<std::wstring> selected;  // when not selectAll
  // The WHERE condition, its root last; empty when there is no WHERE.
  std::vector<WqlNode> condition;
};

// Parses SELECT (* | a, b, ...) FROM Class [WHERE condition]. Keywords are
// read without regard to case; NOT binds tighter than AND, AND tighter than
// OR. Strings are quoted with ' or " and take the backslash escapes \\, \'
// and \" (any other backslash is refused, as the service refuses a path
// written with single backslashes); a doubled quote is no escape. Nothing
// when the text is not such a statement, nests deeper than kWqlMaxNesting
// or holds a LIKE pattern that does not compile.
std::optional<WqlStatement> ParseWql(std::wstring_view statement);

// Rewrites every property name of the statement, selected or tested, to the
// class's own spelling, found without regard to case. False when the class
// lacks one of them; the statement is then left partly rewritten.
bool ResolveProperties(WqlStatement& statement, const std::vector<PropertySpec>& properties);

// Whether the instance satisfies the statement's condition; an instance
// always does when there is none. Property names must be resolved first.
//
// A comparison in which either side is NULL, or whose sides cannot be
// brought to one type, is unknown rather than false, and NOT of unknown is
// unknown: "NOT (x = 1)" selects no instance whose x is NULL, just as
// "x <> 1" does not. AND and OR follow the same three-valued logic and only
// a true condition selects. IS NULL holds for a property the instance does
// not hold.
//
// Two texts compare without regard to case. A number (TRUE, FALSE and a
// boolean value count as 1 and 0) meets a text by reading the text as an
// integer or as the word TRUE or FALSE, so that a 64-bit property delivered
// as text compares numerically and a boolean property compares with 'true';
// a real value compares as a double. LIKE tests text and integer values.
bool Satisfies(const WqlStatement& statement, const Instance& instance);

}  // namespace platform::linux_backend::wmi

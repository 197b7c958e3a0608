// Small text helpers shared by the whole program. Every case conversion of the
// program goes through LowerAscii so that only the letters A to Z ever change,
// whatever the locale of the machine says.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// Lowers A-Z and leaves every other character as it is.
std::wstring LowerAscii(std::wstring s);

// Raises a-z and leaves every other character as it is.
std::wstring UpperAscii(std::wstring s);

// The 32-bit code as eight lower-case hexadecimal digits ("%08.8lx").
std::wstring Hex8(std::uint32_t code);

// The 16-bit code as four lower-case hexadecimal digits ("%04x").
std::wstring Hex4(std::uint16_t code);

// The sets of blank characters the program's readers trim. Each source of
// text has its own: the C library's isspace in the "C" locale, the space and
// tab of a WMI value, the line ends and blanks of a kernel file.
inline constexpr std::string_view kCSpace = " \t\n\v\f\r";
inline constexpr std::string_view kSpaceAndTab = " \t";
inline constexpr std::string_view kLineBlanks = " \t\r\n";

// Whether the character is one of `blanks`.
template <typename Char>
constexpr bool IsOneOf(Char c, std::string_view blanks) {
  for (const char blank : blanks) {
    if (c == static_cast<Char>(blank)) return true;
  }
  return false;
}

// The text without the characters of `blanks` at either end.
template <typename Char>
constexpr std::basic_string_view<Char> Trim(std::basic_string_view<Char> s, std::string_view blanks) {
  while (!s.empty() && IsOneOf(s.front(), blanks)) s.remove_prefix(1);
  while (!s.empty() && IsOneOf(s.back(), blanks)) s.remove_suffix(1);
  return s;
}

inline std::string_view Trim(std::string_view s, std::string_view blanks) { return Trim<char>(s, blanks); }
inline std::wstring_view Trim(std::wstring_view s, std::string_view blanks) { return Trim<wchar_t>(s, blanks); }

}  // namespace text

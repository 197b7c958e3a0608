// Small text helpers shared by the whole program. Every case conversion of the
// program goes through LowerAscii so that only the letters A to Z ever change,
// whatever the locale of the machine says.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Lowers A-Z and leaves every other character as it is.
std::wstring LowerAscii(std::wstring s);

// Raises a-z and leaves every other character as it is.
std::wstring UpperAscii(std::wstring s);

// The text as UTF-8, for the world outside the program. Where wchar_t has 16
// bits the text is UTF-16 and a surrogate pair is one character; what is no
// character (an unpaired surrogate, a value beyond U+10FFFF) becomes U+FFFD.
std::string ToUtf8(const std::wstring& text);

// The 32-bit code as eight lower-case hexadecimal digits ("%08.8lx").
std::wstring Hex8(std::uint32_t code);

// UTF-16 code units as the program's wide text. Where wchar_t has 32 bits a
// surrogate pair becomes one character; an unpaired surrogate becomes U+FFFD
// everywhere, so that no half character reaches a text.
std::wstring FromUtf16(std::u16string_view units);

// The registry's view of stored bytes as text, whatever the value's type:
// UTF-16LE code units up to the first NUL unit (an odd trailing byte is not
// a unit and is ignored).
std::wstring FromUtf16Le(const std::vector<std::uint8_t>& bytes);

}  // namespace text

// Conversions between the program's wide texts and the encodings of the world
// outside it: UTF-8 (Linux, libxml2, /proc, standard output) and UTF-16 (the
// registry, PE resources). Malformed input never fails: what is no character
// becomes U+FFFD, so outside data cannot stop a conversion.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// The text as UTF-8. Where wchar_t has 16 bits the text is UTF-16 and a
// surrogate pair is one character; what is no character (an unpaired
// surrogate, a value beyond U+10FFFF) becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Each byte that does not begin a well-formed sequence becomes U+FFFD.
std::wstring FromUtf8(std::string_view utf8);

// UTF-16 code units as the program's wide text. Where wchar_t has 32 bits a
// surrogate pair becomes one character; an unpaired surrogate becomes U+FFFD
// everywhere, so that no half character reaches a text.
std::wstring FromUtf16(std::u16string_view units);

// The registry's view of stored bytes as text, whatever the value's type:
// UTF-16LE code units up to the first NUL unit (an odd trailing byte is not
// a unit and is ignored).
std::wstring FromUtf16Le(const std::vector<std::uint8_t>& bytes);

}  // namespace text

// Small text helpers shared by the whole program. Every case conversion of the
// program goes through LowerAscii so that only the letters A to Z ever change,
// whatever the locale of the machine says.
#pragma once

#include <cstdint>
#include <string>

namespace text {

// Lowers A-Z and leaves every other character as it is.
std::wstring LowerAscii(std::wstring s);

// The 32-bit code as eight lower-case hexadecimal digits ("%08.8lx").
std::wstring Hex8(std::uint32_t code);

}  // namespace text

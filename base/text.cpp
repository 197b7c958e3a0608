#include "base/text.h"

namespace text {

namespace {

std::wstring HexDigits(std::uint32_t code, std::size_t count) {
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring out(count, L'0');
  for (std::size_t i = count; i-- > 0;) {
    out[i] = kDigits[code & 0xFu];
    code >>= 4;
  }
  return out;
}

}  // namespace

std::wstring LowerAscii(std::wstring s) {
  for (wchar_t& c : s) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return s;
}

std::wstring UpperAscii(std::wstring s) {
  for (wchar_t& c : s) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return s;
}

std::wstring Hex8(std::uint32_t code) { return HexDigits(code, 8); }

std::wstring Hex4(std::uint16_t code) { return HexDigits(code, 4); }

}  // namespace text

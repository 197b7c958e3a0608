#include "model/text.h"

namespace text {

std::wstring LowerAscii(std::wstring s) {
  for (wchar_t& c : s) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return s;
}

std::wstring Hex8(std::uint32_t code) {
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring out(8, L'0');
  for (int i = 7; i >= 0; --i) {
    out[static_cast<std::size_t>(i)] = kDigits[code & 0xFu];
    code >>= 4;
  }
  return out;
}

}  // namespace text

#include "model/text.h"

#include <cstdint>

namespace text {

namespace {

void Append(std::string& out, std::uint32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
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

std::wstring Hex8(std::uint32_t code) {
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring out(8, L'0');
  for (int i = 7; i >= 0; --i) {
    out[static_cast<std::size_t>(i)] = kDigits[code & 0xFu];
    code >>= 4;
  }
  return out;
}

std::wstring FromUtf16(std::u16string_view units) {
  constexpr wchar_t kReplacement = 0xFFFD;
  std::wstring out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (!high && !low) {
      out.push_back(static_cast<wchar_t>(unit));
      continue;
    }
    const bool paired = high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
    if (!paired) {
      out.push_back(kReplacement);
      continue;
    }
    if constexpr (sizeof(wchar_t) >= 4) {
      const auto cp = 0x10000u + ((static_cast<std::uint32_t>(unit) - 0xD800u) << 10) +
                      (static_cast<std::uint32_t>(units[i + 1]) - 0xDC00u);
      out.push_back(static_cast<wchar_t>(cp));
    } else {
      out.push_back(static_cast<wchar_t>(unit));
      out.push_back(static_cast<wchar_t>(units[i + 1]));
    }
    ++i;
  }
  return out;
}

std::wstring FromUtf16Le(const std::vector<std::uint8_t>& bytes) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    units.push_back(unit);
  }
  return FromUtf16(units);
}

std::string ToUtf8(const std::wstring& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t cp = static_cast<std::uint32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      cp &= 0xFFFF;
      if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
        const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF;
        if (low >= 0xDC00 && low <= 0xDFFF) {
          cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          ++i;
        }
      }
    }
    Append(out, cp);
  }
  return out;
}

}  // namespace text

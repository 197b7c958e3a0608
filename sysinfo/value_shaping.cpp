#include "sysinfo/value_shaping.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <limits>

#include "base/text.h"

namespace {

// The leading decimal floating-point number, 0 when the text does not start
// with one (after white space).
double ReadLeadingReal(const std::wstring& text) {
  const wchar_t* begin = text.c_str();
  wchar_t* end = nullptr;
  const double value = std::wcstod(begin, &end);
  if (end == begin || !std::isfinite(value)) return 0.0;
  return value;
}

}  // namespace

std::wstring TrimBlanks(const std::wstring& value) {
  return std::wstring(text::Trim(std::wstring_view(value), text::kSpaceAndTab));
}

std::wstring CutAtBar(const std::wstring& value) { return value.substr(0, value.find(L'|')); }

std::int64_t ReadLeadingInteger(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && text::IsOneOf(text[i], text::kCSpace)) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  std::int64_t value = 0;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    const int digit = text[i] - L'0';
    if (value > (kMax - digit) / 10) return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

std::wstring ScaleValue(const std::wstring& value, const std::wstring& format, std::int64_t divisor) {
  if (value.find(L"-1") != std::wstring::npos) return L"Value is not available";
  if (divisor == 0) return std::wstring();
  const std::size_t integer = format.find(L"%ld");
  if (integer != std::wstring::npos) {
    return format.substr(0, integer) + std::to_wstring(ReadLeadingInteger(value) / divisor) + format.substr(integer + 3);
  }
  const std::size_t real = format.find(L"%f");
  if (real != std::wstring::npos) {
    wchar_t number[512];
    std::swprintf(number, 512, L"%f", ReadLeadingReal(value) / static_cast<double>(divisor));
    return format.substr(0, real) + number + format.substr(real + 2);
  }
  return std::wstring();
}

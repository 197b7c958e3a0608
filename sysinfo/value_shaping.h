// How the collection driver shapes the texts that WMI returns: blanks
// trimmed, operating-system values cut at their first bar, sizes scaled.
#pragma once

#include <cstdint>
#include <string>

std::wstring TrimBlanks(const std::wstring& value);
std::wstring CutAtBar(const std::wstring& value);

// `format` is "%ldMB" (integer division) or "%fGB" (six decimals); any other
// format gives an empty text. A value holding "-1" anywhere is "Value is not
// available".
std::wstring ScaleValue(const std::wstring& value, const std::wstring& format, std::int64_t divisor);

// The leading decimal number of a text as the C library reads it: white space
// skipped, an optional sign, digits up to the first non-digit, 0 when there
// are none; saturated at the limits instead of overflowing.
std::int64_t ReadLeadingInteger(const std::wstring& text);

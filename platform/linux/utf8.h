// Conversions between the program's wide texts and the UTF-8 that Linux,
// libxml2 and /proc speak. Malformed input never fails: each bad byte becomes
// U+FFFD, so outside data cannot stop a conversion.
#pragma once

#include <string>
#include <string_view>

namespace platform::linux_backend {

std::wstring FromUtf8(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

}  // namespace platform::linux_backend

// Writes the program's wide texts to a standard stream as UTF-8 lines, the
// same bytes on every platform and in every locale.
#pragma once

#include <cstdio>
#include <string>

namespace ui::headless {

void WriteLine(std::FILE* stream, const std::wstring& text);

}  // namespace ui::headless

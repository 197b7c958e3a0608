#include "ui/headless/console_text.h"

#include "base/utf.h"

namespace ui::headless {

void WriteLine(std::FILE* stream, const std::wstring& text) {
  const std::string bytes = text::ToUtf8(text) + "\n";
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace ui::headless

#include "platform/linux/process_linux.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "base/utf.h"

namespace platform::linux_backend {

// The link is read in full, however long: a path cut short would name
// another directory, and with it perhaps another configuration file.
std::wstring LinuxProcess::ExecutablePath() {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return std::wstring();
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      return text::FromUtf8(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

void StdoutConsole::Print(const std::wstring& text) {
  const std::string bytes = text::ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

}  // namespace platform::linux_backend

#include "platform/linux/file_descriptor.h"
#include "platform/linux/wmi/sys_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "base/text.h"
#include "platform/linux/wmi/proc_parsers.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileText(const fs::path& path, std::size_t limit) {
  // O_NONBLOCK keeps the open itself from waiting on a named pipe; the type
  // check below then refuses it.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) return std::nullopt;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  std::string text;
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) return text;
    if (text.size() + static_cast<std::size_t>(got) > limit) return std::nullopt;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

std::optional<std::string> ReadValue(const fs::path& path) {
  const std::optional<std::string> text = ReadFileText(path, 1u << 16);
  if (!text) return std::nullopt;
  const std::string_view all(*text);
  const std::string_view line = text::Trim(all.substr(0, std::min(all.find('\n'), all.size())), text::kLineBlanks);
  if (line.empty()) return std::nullopt;
  return std::string(line);
}

std::optional<std::uint64_t> ReadNumber(const fs::path& path) {
  const std::optional<std::string> value = ReadValue(path);
  if (!value) return std::nullopt;
  return ParseNumber(*value);
}

std::vector<std::string> ListNames(const fs::path& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::string> LinkTarget(const fs::path& link) {
  std::error_code error;
  const fs::path target = fs::read_symlink(link, error);
  if (error) return std::nullopt;
  return target.string();
}

std::optional<std::string> LinkTargetName(const fs::path& link) {
  const std::optional<std::string> target = LinkTarget(link);
  if (!target) return std::nullopt;
  const std::string name = fs::path(*target).filename().string();
  if (name.empty()) return std::nullopt;
  return name;
}

fs::path UnderRoot(const fs::path& root, std::string_view absolute) {
  while (!absolute.empty() && absolute.front() == '/') absolute.remove_prefix(1);
  return root / fs::path(absolute);
}

}  // namespace platform::linux_backend::wmi

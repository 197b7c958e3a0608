#include "platform/linux/file_descriptor.h"
#include "platform/linux/file_system_linux.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "base/line_reader.h"
#include "base/utf.h"
#include "base/wildcard.h"

namespace platform::linux_backend {

namespace fs = std::filesystem;

namespace {

std::size_t ReadSome(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, buffer, size);
    if (got < 0 && errno == EINTR) continue;
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }
}

class FileTextFile final : public TextFile {
 public:
  explicit FileTextFile(std::unique_ptr<FileDescriptor> file)
      : file_(std::move(file)), lines_([fd = file_->get()](char* buffer, std::size_t size) { return ReadSome(fd, buffer, size); }) {}
  bool ReadLine(std::string& line) override { return lines_.ReadLine(line); }

 private:
  std::unique_ptr<FileDescriptor> file_;
  text::LineReader lines_;
};

}  // namespace

WineFileSystem::WineFileSystem(WinePathMapper paths) : paths_(std::move(paths)) {}

std::vector<FoundFile> WineFileSystem::Find(const std::wstring& pattern) {
  std::vector<FoundFile> found;
  const std::size_t cut = pattern.find_last_of(L"\\/");
  if (cut == std::wstring::npos) return found;
  // The folder keeps its closing separator so that "C:\" stays the drive's
  // root, and the paths found are written the way the pattern writes them.
  const std::wstring folder = pattern.substr(0, cut + 1);
  const std::wstring_view wildcard = std::wstring_view(pattern).substr(cut + 1);
  const auto dir = paths_.ToLinux(folder);
  if (!dir) return found;

  std::error_code error;
  for (fs::directory_iterator it(*dir, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().native();
    const std::wstring name = text::FromUtf8(entry);
    if (text::ToUtf8(name) != entry || !IsWindowsName(name) || !text::MatchesWildcard(wildcard, name)) continue;
    std::error_code typeError;
    found.push_back(FoundFile{name, folder + name, it->is_directory(typeError)});
  }
  return found;
}

std::unique_ptr<TextFile> WineFileSystem::OpenText(const std::wstring& path) {
  const auto file = paths_.ToLinux(path);
  if (!file) return nullptr;
  auto descriptor = std::make_unique<FileDescriptor>(::open(file->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  struct stat info {};
  if (descriptor->get() < 0 || ::fstat(descriptor->get(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  return std::make_unique<FileTextFile>(std::move(descriptor));
}

}  // namespace platform::linux_backend

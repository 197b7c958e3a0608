#include "platform/linux/file_descriptor.h"
#include "platform/linux/version_info_linux.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/linux/pe_version.h"
#include "base/utf.h"

namespace platform::linux_backend {

namespace {

// No program file comes near this size; anything larger is not one.
constexpr std::uint64_t kMaxFileSize = std::uint64_t{512} << 20;

// Reads the pieces of the file the walk asks for and nothing else, so the
// bitmaps and code of a large file are never read.
class FileSource final : public ImageSource {
 public:
  FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint64_t offset, std::span<std::uint8_t> out) const override {
    if (offset > size_ || size_ - offset < out.size()) return false;
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  int fd_;
  std::uint64_t size_;
};

// Where a file is looked for. A path with a directory is taken as it is; a
// bare name is looked for where the platform finds libraries, which for now
// is the current directory only.
std::optional<std::string> ResolveFilePath(const std::wstring& path) {
  // A NUL would cut the name short and open another file.
  if (path.find(L'\0') != std::wstring::npos) return std::nullopt;
  const std::string utf8 = text::ToUtf8(path);
  if (utf8.find('/') != std::string::npos) return utf8;
  return "./" + utf8;
}

}  // namespace

std::unique_ptr<VersionBlock> PeVersionResources::Load(const std::wstring& path) {
  const auto resolved = ResolveFilePath(path);
  if (!resolved) return nullptr;
  // Opening without blocking keeps a named pipe from stalling the program;
  // only a regular file is read.
  const FileDescriptor file(::open(resolved->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  struct stat info {};
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (size > kMaxFileSize) return nullptr;

  const FileSource source(file.get(), size);
  const auto range = LocateVersionResource(source);
  if (!range) return nullptr;
  std::vector<std::uint8_t> block(range->size);
  if (!source.Read(range->offset, block)) return nullptr;
  auto root = ParseVersionInfo(block);
  if (!root) return nullptr;
  return std::make_unique<PeVersionBlock>(std::move(*root));
}

}  // namespace platform::linux_backend

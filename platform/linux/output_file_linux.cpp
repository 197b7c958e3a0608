#include "platform/linux/output_file_linux.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "base/utf.h"

namespace platform::linux_backend {

namespace {

class DescriptorFile final : public OutputFile {
 public:
  explicit DescriptorFile(int fd) : fd_(fd) {}
  DescriptorFile(const DescriptorFile&) = delete;
  DescriptorFile& operator=(const DescriptorFile&) = delete;
  ~DescriptorFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  int Descriptor() const { return fd_; }

  bool Write(std::string_view bytes) override {
    if (fd_ < 0) return false;
    while (!bytes.empty()) {
      const ssize_t wrote = ::write(fd_, bytes.data(), bytes.size());
      if (wrote < 0 && errno == EINTR) continue;
      if (wrote <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
  }

  bool Close() override {
    if (fd_ < 0) return false;
    const int fd = std::exchange(fd_, -1);
    // Some file systems (NFS among them) report a full disk only when the
    // data leave the cache; fsync makes that happen while we can still say so.
    const bool stored = ::fsync(fd) == 0;
    // Linux releases the descriptor even when close is interrupted, so it is
    // never retried; the data were stored by fsync already.
    const bool closed = ::close(fd) == 0 || errno == EINTR;
    return stored && closed;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<OutputFile> LinuxOutputFiles::Create(const std::wstring& path) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return nullptr;
  const std::string native = text::ToUtf8(path);
  // O_NONBLOCK makes the open of a FIFO without a reader fail at once
  // instead of waiting for one; a regular file is not affected by it.
  int fd;
  do {
    fd = ::open(native.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC | O_NONBLOCK, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return nullptr;
  auto file = std::make_unique<DescriptorFile>(fd);
  struct stat info {};
  if (::fstat(file->Descriptor(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  return file;
}

std::wstring LinuxOutputFiles::FullPath(const std::wstring& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(text::ToUtf8(path), error);
  return error ? path : text::FromUtf8(full.native());
}

}  // namespace platform::linux_backend

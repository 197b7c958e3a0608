#include "platform/windows/output_file_windows.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <utility>

namespace platform::windows_backend {

namespace {

bool HasNul(const std::wstring& path) { return path.find(L'\0') != std::wstring::npos; }

class HandleFile final : public OutputFile {
 public:
  explicit HandleFile(HANDLE handle) : handle_(handle) {}
  HandleFile(const HandleFile&) = delete;
  HandleFile& operator=(const HandleFile&) = delete;
  ~HandleFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }

  HANDLE Handle() const { return handle_; }

  bool Write(std::string_view bytes) override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    while (!bytes.empty()) {
      // WriteFile takes a 32-bit count; larger texts go in pieces.
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD wrote = 0;
      if (!WriteFile(handle_, bytes.data(), piece, &wrote, nullptr) || wrote == 0) return false;
      bytes.remove_prefix(wrote);
    }
    return true;
  }

  bool Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    // A full disk or a lost network share may show only when the cached
    // data are written out; flushing first lets that be reported.
    const bool stored = FlushFileBuffers(handle) != 0;
    const bool closed = CloseHandle(handle) != 0;
    return stored && closed;
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<OutputFile> Win32OutputFiles::Create(const std::wstring& path) {
  if (path.empty() || HasNul(path)) return nullptr;
  const HANDLE handle =
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  auto file = std::make_unique<HandleFile>(handle);
  if (GetFileType(file->Handle()) != FILE_TYPE_DISK) return nullptr;
  return file;
}

std::wstring Win32OutputFiles::FullPath(const std::wstring& path) {
  if (path.empty() || HasNul(path)) return path;
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  while (size != 0) {
    std::wstring full(size, L'\0');
    const DWORD got = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (got < size) {
      if (got == 0) break;
      full.resize(got);
      return full;
    }
    // The current directory changed between the two calls; ask again.
    size = got;
  }
  return path;
}

}  // namespace platform::windows_backend

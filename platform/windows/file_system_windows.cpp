#include "platform/windows/file_system_windows.h"

#include <windows.h>

#include <cstdio>
#include <string_view>
#include <utility>

#include "base/line_reader.h"
#include "base/wildcard.h"

namespace platform::windows_backend {

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileOwner = std::unique_ptr<std::FILE, FileCloser>;

class StdioTextFile final : public TextFile {
 public:
  explicit StdioTextFile(FileOwner file)
      : file_(std::move(file)),
        lines_([stream = file_.get()](char* buffer, std::size_t size) { return std::fread(buffer, 1, size, stream); }) {}
  bool ReadLine(std::string& line) override { return lines_.ReadLine(line); }

 private:
  FileOwner file_;
  text::LineReader lines_;
};

// A NUL would end the text the system sees and name another file.
bool HasNul(const std::wstring& path) { return path.find(L'\0') != std::wstring::npos; }

}  // namespace

std::vector<FoundFile> Win32FileSystem::Find(const std::wstring& pattern) {
  std::vector<FoundFile> found;
  if (HasNul(pattern)) return found;
  const std::size_t cut = pattern.find_last_of(L"\\/");
  const std::wstring folder = cut == std::wstring::npos ? std::wstring() : pattern.substr(0, cut + 1);
  const std::wstring_view wildcard = std::wstring_view(pattern).substr(folder.size());

  WIN32_FIND_DATAW data;
  const FindHandle search(FindFirstFileW(pattern.c_str(), &data));
  if (!search.Valid()) return found;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L".." || !text::MatchesWildcard(wildcard, name)) continue;
    found.push_back(FoundFile{name, folder + name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search.get(), &data));
  return found;
}

std::unique_ptr<TextFile> Win32FileSystem::OpenText(const std::wstring& path) {
  if (HasNul(path)) return nullptr;
  FileOwner file(_wfopen(path.c_str(), L"rb"));
  if (!file) return nullptr;
  return std::make_unique<StdioTextFile>(std::move(file));
}

}  // namespace platform::windows_backend

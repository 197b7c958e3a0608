// The file search and the text files of the Windows build.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform::windows_backend {

class Win32FileSystem final : public FileSystem {
 public:
  // Keeps only the entries whose own names match the pattern: Windows also
  // matches it against the short 8.3 names, by which "*.dll" would find
  // "x.dllold". The Linux build lists the same files.
  std::vector<FoundFile> Find(const std::wstring& pattern) override;
  // Reads the file's bytes unchanged; the lines are cut as in the Linux
  // build, not by the C library's text mode.
  std::unique_ptr<TextFile> OpenText(const std::wstring& path) override;
};

}  // namespace platform::windows_backend

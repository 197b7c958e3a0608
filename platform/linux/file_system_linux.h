// The file search and the text files of the Linux build, reached through the
// Windows paths of the Wine prefix that holds the installations.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/linux/wine_paths.h"

namespace platform::linux_backend {

class WineFileSystem final : public FileSystem {
 public:
  explicit WineFileSystem(WinePathMapper paths);

  // Lists the folder in the order the directory gives its entries, as
  // Windows does. An entry that no Windows path can name (its bytes are not
  // UTF-8, or it holds a character Windows refuses, such as a backslash) is
  // left out, since its path could not lead back to it.
  std::vector<FoundFile> Find(const std::wstring& pattern) override;
  // Opens regular files only: a directory or a named pipe is not a text file,
  // and a pipe could stall the reader.
  std::unique_ptr<TextFile> OpenText(const std::wstring& path) override;

 private:
  WinePathMapper paths_;
};

}  // namespace platform::linux_backend

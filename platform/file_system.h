// The files of a product installation, named by Windows paths as the
// registry gives them ("C:\\Apps\\Velotrace 2023\\apps\\*.dll").
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

struct FoundFile {
  std::wstring name;  // without its folder
  std::wstring path;  // the folder of the search followed by the name
  bool directory = false;
};

// A text file read front to back, one line at a time. Each byte is one
// character; line ends are not part of a line, and a carriage return before
// a line feed goes with it.
class TextFile {
 public:
  virtual ~TextFile() = default;
  // False at the end of the file.
  virtual bool ReadLine(std::string& line) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The entries of the pattern's folder whose names match its last part, a
  // wildcard pattern ('*' any run, '?' one character) compared without
  // regard to case; "." and ".." are never among them. An empty list when
  // the folder does not exist.
  virtual std::vector<FoundFile> Find(const std::wstring& pattern) = 0;
  // nullptr when the file cannot be opened for reading.
  virtual std::unique_ptr<TextFile> OpenText(const std::wstring& path) = 0;
};

}  // namespace platform

// The files the program writes (the summary report). Bytes are stored exactly
// as given, with no translation of line ends, so that both builds write the
// same file.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class OutputFile {
 public:
  // Closes a file that Close has not closed, without a word on failure.
  virtual ~OutputFile() = default;
  // False when not every byte could be written; the bytes written before
  // the failure stay in the file.
  virtual bool Write(std::string_view bytes) = 0;
  // Stores what was written and closes the file. False when that fails (a
  // full disk may show only here) or when the file was closed already.
  virtual bool Close() = 0;
};

class OutputFiles {
 public:
  virtual ~OutputFiles() = default;
  // Creates the file, or empties it when it exists, for writing. A bare name
  // is relative to the current working directory. nullptr when the file
  // cannot be created.
  virtual std::unique_ptr<OutputFile> Create(const std::wstring& path) = 0;
  // The absolute path that the file has or would have, for messages.
  virtual std::wstring FullPath(const std::wstring& path) = 0;
};

}  // namespace platform

// The files the Linux build writes, named by Linux paths.
#pragma once

#include <memory>
#include <string>

#include "platform/output_file.h"

namespace platform::linux_backend {

class LinuxOutputFiles final : public OutputFiles {
 public:
  // Creates regular files only, with mode 0644 less the umask. A name that
  // already stands for a directory, a FIFO or a device is refused: the
  // report would not land in a file, and a FIFO without a reader would hang
  // the program. A path holding a NUL is refused, since the system would
  // see only the part before it.
  std::unique_ptr<OutputFile> Create(const std::wstring& path) override;
  // The path against the current working directory; the path unchanged when
  // that directory cannot be told (it was removed).
  std::wstring FullPath(const std::wstring& path) override;
};

}  // namespace platform::linux_backend

// The files the Windows build writes.
#pragma once

#include <memory>
#include <string>

#include "platform/output_file.h"

namespace platform::windows_backend {

class Win32OutputFiles final : public OutputFiles {
 public:
  // Creates disk files only: a name that opens a device or a pipe is
  // refused. Other programs may read the file while it is written but not
  // write to it. A path holding a NUL is refused, since the system would see
  // only the part before it.
  std::unique_ptr<OutputFile> Create(const std::wstring& path) override;
  // The system's full path name; the path unchanged when it has none.
  std::wstring FullPath(const std::wstring& path) override;
};

}  // namespace platform::windows_backend

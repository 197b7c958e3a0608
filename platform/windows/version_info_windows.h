// Version resources through the system's version functions.
#pragma once

#include "platform/version_info.h"

namespace platform::windows_backend {

class Win32VersionResources final : public VersionResources {
 public:
  std::unique_ptr<VersionBlock> Load(const std::wstring& path) override;
};

}  // namespace platform::windows_backend

// The version resources of the Windows programs and libraries of a Wine
// prefix, read straight from their PE files.
#pragma once

#include <memory>
#include <string>

#include "platform/version_info.h"

namespace platform::linux_backend {

class PeVersionResources final : public VersionResources {
 public:
  std::unique_ptr<VersionBlock> Load(const std::wstring& path) override;
};

}  // namespace platform::linux_backend

// Version resources of the files named by Windows paths inside the Wine
// prefix: the path is mapped to the prefix's files, then the PE file read.
#pragma once

#include "platform/linux/version_info_linux.h"
#include "platform/linux/wine_paths.h"

namespace platform::linux_backend {

class WineVersionResources final : public VersionResources {
 public:
  explicit WineVersionResources(std::filesystem::path prefix) : mapper_(std::move(prefix)) {}
  std::unique_ptr<VersionBlock> Load(const std::wstring& path) override;

 private:
  WinePathMapper mapper_;
  PeVersionResources files_;
};

}  // namespace platform::linux_backend

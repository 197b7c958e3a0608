#include "platform/linux/wine_version_resources.h"

#include "base/utf.h"

namespace platform::linux_backend {

std::unique_ptr<VersionBlock> WineVersionResources::Load(const std::wstring& path) {
  const std::optional<std::filesystem::path> file = mapper_.ToLinux(path);
  if (!file) return nullptr;
  return files_.Load(text::FromUtf8(file->string()));
}

}  // namespace platform::linux_backend

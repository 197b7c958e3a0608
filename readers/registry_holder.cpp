#include "readers/registry_holder.h"

#include <vector>

#include "base/utf.h"

long CRegistry::Open(platform::RegistryRoot root, const std::wstring& path, platform::RegistryKey& key,
                     platform::RegistryView view) {
  const long status = registry_.OpenKey(root, path, view, key);
  if (status == platform::kRegSuccess) path_ = path;
  return status;
}

long CRegistry::Close(platform::RegistryKey key) {
  const long status = registry_.CloseKey(key);
  if (status == platform::kRegSuccess) path_.clear();
  return status;
}

long CRegistry::Enumerate(platform::RegistryKey key, std::uint32_t index, std::wstring& name, std::size_t maxChars) {
  return registry_.EnumKey(key, index, maxChars, name, lastWrite_);
}

std::optional<std::wstring> CRegistry::ReadText(platform::RegistryKey key, const std::wstring& name,
                                                std::size_t bufferBytes) {
  std::vector<std::uint8_t> data;
  std::uint32_t type = platform::kRegNone;
  if (registry_.QueryValue(key, name, bufferBytes, data, type) != platform::kRegSuccess) return std::nullopt;
  // The buffer was cleared before the read, so a text stored without its
  // terminator still ends where the data ends, unless it filled the buffer.
  if (data.size() >= bufferBytes && (data.size() < 2 || data[data.size() - 1] != 0 || data[data.size() - 2] != 0)) {
    return std::nullopt;
  }
  return text::FromUtf16Le(data);
}

std::optional<std::uint32_t> CRegistry::ReadDword(platform::RegistryKey key, const std::wstring& name) {
  std::vector<std::uint8_t> data;
  std::uint32_t type = platform::kRegNone;
  if (registry_.QueryValue(key, name, 4, data, type) != platform::kRegSuccess) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < data.size() && i < 4; ++i) value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  return value;
}

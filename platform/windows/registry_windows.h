// The registry functions of the system.
#pragma once

#include "platform/registry.h"

namespace platform::windows_backend {

class Win32Registry final : public Registry {
 public:
  long OpenKey(RegistryRoot root, const std::wstring& path, RegistryView view, RegistryKey& key) override;
  long OpenSubKey(RegistryKey parent, const std::wstring& path, RegistryView view, RegistryKey& key) override;
  long CloseKey(RegistryKey key) override;
  long EnumKey(RegistryKey key, std::uint32_t index, std::size_t maxChars, std::wstring& name,
               FileTime& lastWrite) override;
  long QueryValue(RegistryKey key, const std::wstring& name, std::size_t maxBytes, std::vector<std::uint8_t>& data,
                  std::uint32_t& type) override;
};

}  // namespace platform::windows_backend

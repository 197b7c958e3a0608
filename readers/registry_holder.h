// CRegistry: a small holder around the registry functions. It remembers the
// path of the key it last opened and the last-write time of its last subkey
// enumeration; the key handles belong to the caller, who closes them.
#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

class CRegistry {
 public:
  explicit CRegistry(platform::Registry& registry) : registry_(registry) {}
  virtual ~CRegistry() = default;

  long Open(platform::RegistryRoot root, const std::wstring& path, platform::RegistryKey& key,
            platform::RegistryView view = platform::RegistryView::Native);
  long Close(platform::RegistryKey key);
  // `maxChars` is the size of the caller's name buffer, terminator included.
  long Enumerate(platform::RegistryKey key, std::uint32_t index, std::wstring& name, std::size_t maxChars = 260);

  // Reads a value as text, whatever its type, through a buffer of
  // `bufferBytes` bytes that must also hold the terminator: a value that is
  // missing or does not fit gives nullopt.
  std::optional<std::wstring> ReadText(platform::RegistryKey key, const std::wstring& name, std::size_t bufferBytes = 520);
  // Reads a value of at most four bytes as a number; nullopt when it is
  // missing or longer.
  std::optional<std::uint32_t> ReadDword(platform::RegistryKey key, const std::wstring& name);

  const std::wstring& Path() const { return path_; }
  platform::FileTime LastWriteTime() const { return lastWrite_; }

 private:
  platform::Registry& registry_;
  std::wstring path_;
  platform::FileTime lastWrite_ = 0;
};

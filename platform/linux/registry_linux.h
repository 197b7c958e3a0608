// The registry on Linux: the one of the Wine prefix that holds the Windows
// installations, read from its system.reg (the machine) and user.reg (the user).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/registry_hive.h"
#include "platform/registry.h"

namespace platform::linux_backend {

// $WINEPREFIX, else $HOME/.wine; empty when neither is set.
std::filesystem::path FindWinePrefix();

class WineRegistry final : public Registry {
 public:
  // Nothing is read until a key of a hive is first opened.
  explicit WineRegistry(std::filesystem::path prefix);
  WineRegistry(const WineRegistry&) = delete;
  WineRegistry& operator=(const WineRegistry&) = delete;

  long OpenKey(RegistryRoot root, const std::wstring& path, RegistryView view, RegistryKey& key) override;
  long OpenSubKey(RegistryKey parent, const std::wstring& path, RegistryView view, RegistryKey& key) override;
  long CloseKey(RegistryKey key) override;
  long EnumKey(RegistryKey key, std::uint32_t index, std::size_t maxChars, std::wstring& name,
               FileTime& lastWrite) override;
  long QueryValue(RegistryKey key, const std::wstring& name, std::size_t maxBytes, std::vector<std::uint8_t>& data,
                  std::uint32_t& type) override;

 private:
  struct Hive {
    explicit Hive(const char* file) : fileName(file) {}
    const char* fileName;
    bool loaded = false;
    std::optional<RegistryHiveKey> root;
  };
  struct OpenedKey {
    RegistryRoot root;
    const RegistryHiveKey* node;
    // The names from the hive's root to the key, after links are followed.
    std::vector<std::wstring> path;
  };

  Hive& HiveOf(RegistryRoot root);
  const RegistryHiveKey* LoadedRoot(RegistryRoot root);
  long Open(RegistryRoot root, std::vector<std::wstring> path, RegistryKey& key);
  const OpenedKey* Find(RegistryKey key) const;

  std::filesystem::path prefix_;
  Hive machine_{"system.reg"};
  Hive user_{"user.reg"};
  // Slot i holds the key whose handle is i + 1; closed slots are reused.
  std::vector<std::optional<OpenedKey>> opened_;
};

}  // namespace platform::linux_backend

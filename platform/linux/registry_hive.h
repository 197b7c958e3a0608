// The parsed form of one of Wine's registry files (system.reg, user.reg): a
// tree of keys whose values hold the bytes Windows would store for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/registry.h"

namespace platform::linux_backend {

struct RegistryHiveValue {
  std::wstring name;  // empty: the key's default value
  std::uint32_t type = kRegNone;
  std::vector<std::uint8_t> data;
};

// One key and everything below it. Names are kept as written; lookups ignore
// the case of A-Z only, as the registry does.
class RegistryHiveKey {
 public:
  std::wstring name;
  FileTime lastWrite = 0;
  // The file marks a symbolic link: its "SymbolicLinkValue" names the key
  // that opening it reaches.
  bool isLink = false;

  // Subkeys in file order, which is the order in which they are enumerated.
  const std::vector<std::unique_ptr<RegistryHiveKey>>& Subkeys() const { return subkeys_; }
  const std::vector<RegistryHiveValue>& Values() const { return values_; }
  const RegistryHiveKey* FindSubkey(const std::wstring& subkeyName) const;
  const RegistryHiveValue* FindValue(const std::wstring& valueName) const;

  // The subkey of that name, appended with `created` true when it is new.
  RegistryHiveKey& ObtainSubkey(const std::wstring& subkeyName, bool& created);
  // A value of the same name (ignoring case) is replaced in its place.
  void SetValue(RegistryHiveValue value);

 private:
  std::vector<std::unique_ptr<RegistryHiveKey>> subkeys_;
  std::vector<RegistryHiveValue> values_;
  std::unordered_map<std::wstring, std::size_t> subkeyIndex_;  // lowered name -> position
  std::unordered_map<std::wstring, std::size_t> valueIndex_;   // lowered name -> position
};

// The registry allows keys 512 levels deep; deeper key lines are refused so
// that no walk or destruction of the tree can recurse without bound.
inline constexpr std::size_t kMaxHiveDepth = 512;

// The 100-nanosecond count since 1601 of a Unix time in seconds.
FileTime FileTimeFromUnix(std::uint64_t seconds);

// Parses the text of a registry file and returns its root key (unnamed).
// Lines that cannot be understood are skipped, and so are the values below a
// key line that cannot be understood.
RegistryHiveKey ParseRegistryHive(std::string_view text);

}  // namespace platform::linux_backend

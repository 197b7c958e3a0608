// The registry as the system offers it: keys opened under a root, subkeys
// enumerated by index, values read as the raw bytes stored for them. Results
// are the system's error codes (0 success), never exceptions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The system's registry error codes that callers tell apart.
inline constexpr long kRegSuccess = 0;
inline constexpr long kRegFileNotFound = 2;
inline constexpr long kRegAccessDenied = 5;
inline constexpr long kRegInvalidHandle = 6;
inline constexpr long kRegMoreData = 234;
inline constexpr long kRegNoMoreItems = 259;

enum class RegistryRoot { LocalMachine, CurrentUser };

// Which view of the machine's software keys a 64-bit process opens: its own
// (native) or the one 32-bit programs see.
enum class RegistryView { Native, Wow64_32 };

// Value types as the registry stores them.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// A 64-bit count of 100-nanosecond intervals since 1601-01-01 (UTC).
using FileTime = std::uint64_t;

// An open key. It belongs to whoever opened it, who must close it.
using RegistryKey = std::uintptr_t;
inline constexpr RegistryKey kNoKey = 0;

class Registry {
 public:
  virtual ~Registry() = default;
  // `path` is relative to the root, with backslashes; key names compare
  // without regard to case.
  virtual long OpenKey(RegistryRoot root, const std::wstring& path, RegistryView view, RegistryKey& key) = 0;
  // Opens `path` below an open key.
  virtual long OpenSubKey(RegistryKey parent, const std::wstring& path, RegistryView view, RegistryKey& key) = 0;
  virtual long CloseKey(RegistryKey key) = 0;
  // The name of the subkey at `index` and its last-write time. A name of
  // `maxChars` characters or more does not fit (kRegMoreData); past the last
  // subkey the answer is kRegNoMoreItems.
  virtual long EnumKey(RegistryKey key, std::uint32_t index, std::size_t maxChars, std::wstring& name,
                       FileTime& lastWrite) = 0;
  // The stored bytes and type of a value (the empty name is the key's
  // default value). Data longer than `maxBytes` does not fit: kRegMoreData,
  // and `data` is left empty.
  virtual long QueryValue(RegistryKey key, const std::wstring& name, std::size_t maxBytes, std::vector<std::uint8_t>& data,
                          std::uint32_t& type) = 0;
};

}  // namespace platform

// The version resource of an executable file, queried by sub-block path the
// way the system's version functions answer ("\\" for the fixed part,
// "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904b0\\CompanyName").
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The fixed part of a version resource (VS_FIXEDFILEINFO), as stored.
struct FixedFileInfo {
  std::uint32_t signature = 0;
  std::uint32_t structVersion = 0;
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
  std::uint32_t productVersionMS = 0;
  std::uint32_t productVersionLS = 0;
  std::uint32_t fileFlagsMask = 0;
  std::uint32_t fileFlags = 0;
  std::uint32_t fileOS = 0;
  std::uint32_t fileType = 0;
  std::uint32_t fileSubtype = 0;
  std::uint32_t fileDateMS = 0;
  std::uint32_t fileDateLS = 0;
};

struct Translation {
  std::uint16_t language = 0;
  std::uint16_t codePage = 0;
};

// One file's version information, read whole.
class VersionBlock {
 public:
  virtual ~VersionBlock() = default;
  virtual std::optional<FixedFileInfo> QueryFixed() const = 0;
  // The translation table; nullopt when the resource has none.
  virtual std::optional<std::vector<Translation>> QueryTranslations() const = 0;
  // A string value by its full sub-block path; path components compare
  // without regard to case. nullopt when there is no such value.
  virtual std::optional<std::wstring> QueryString(const std::wstring& subBlock) const = 0;
};

class VersionResources {
 public:
  virtual ~VersionResources() = default;
  // nullptr when the file is missing, unreadable, or has no version resource.
  // A bare file name is looked for where the platform finds libraries.
  virtual std::unique_ptr<VersionBlock> Load(const std::wstring& path) = 0;
};

}  // namespace platform

// The file version and descriptive texts of one executable file, and the one
// text form in which file versions are shown everywhere.
#pragma once

#include <cstdint>
#include <string>

#include "platform/version_info.h"

struct VersionResourceInfo {
  std::uint16_t fileMajor = 0;
  std::uint16_t fileMinor = 0;
  std::uint16_t fileBuild = 0;
  std::uint16_t fileRevision = 0;
  std::wstring companyName;
  std::wstring productName;
  std::wstring legalCopyright;
};

// True only when the resource was read, has a translation table, and names at
// least one of the three texts under its first translation. The numbers are
// filled as soon as the fixed part is read, whatever the result.
bool ReadVersionResource(platform::VersionResources& resources, const std::wstring& path, VersionResourceInfo& info);

// "major.minor.build.revision", each an unsigned decimal number.
std::wstring FormatFileVersion(const VersionResourceInfo& info);

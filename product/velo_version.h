// One installed Velotrace version, as the registry describes it.
#pragma once

#include <string>

class CVeloVersion {
 public:
  // Shown in place of the directories of a version that has no per-user
  // settings, so that such a version is still listed and recognisable.
  static constexpr const wchar_t* kPlaceholder = L"**********";

  virtual ~CVeloVersion() = default;

  std::wstring name;
  std::wstring directory = kPlaceholder;
  std::wstring userDir = kPlaceholder;
  std::wstring sharedDir = kPlaceholder;
  std::wstring startupUnits = kPlaceholder;
};

// Finds the installed Velotrace versions in the registry: the machine-wide
// list of installed programs names them, a per-user key of the maker holds
// each one's directories.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/notifier.h"
#include "platform/registry.h"
#include "product/velo_version.h"

using VersionList = std::vector<std::unique_ptr<CVeloVersion>>;

struct InstalledVersions {
  // In the order the registry enumerates them, which is the selector's order.
  VersionList versions;
  std::wstring lastInstalledVersion;
  // The first version named like the last installed one, without regard to
  // case; -1 when there is none.
  int preselected = -1;
};

// Whether an Uninstall entry's lower-cased display name is a Velotrace
// installation.
bool IsVelotraceDisplayName(const std::wstring& lowerCaseName);

// A missing LastInstalledVersion value is told through `notifier`.
InstalledVersions ReadInstalledVersions(platform::Registry& registry, Notifier& notifier);

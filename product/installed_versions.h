// Finds the installed Velotrace versions in the registry: the machine-wide
// list of installed programs names them, a per-user key of the maker holds
// each one's directories.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "product/velo_version.h"
#include "ui/controls.h"

using VersionList = std::vector<std::unique_ptr<CVeloVersion>>;

// Whether an Uninstall entry's lower-cased display name is a Velotrace
// installation.
bool IsVelotraceDisplayName(const std::wstring& lowerCaseName);

// Appends every installed version to `versions` in the order the registry
// enumerates them, fills the selector in that order and preselects the
// last installed version. A missing LastInstalledVersion value is reported
// through `messages` under `title`.
void FindInstalledVersions(platform::Registry& registry, ui::ComboBox& selector, ui::MessageBoxes& messages,
                           const std::wstring& title, VersionList& versions, std::wstring& lastInstalledVersion);

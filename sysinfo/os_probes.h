// The built-in probes of operating-system items without a WMI statement:
// installed runtimes from the Uninstall keys of both registry views, and the
// administrator test.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/security.h"

// Display names (with " - " and the display version when the name lacks
// it) of the products whose display name holds every required word.
std::vector<std::wstring> ScanUninstallEntries(platform::Registry& registry, const std::vector<std::wstring>& requiredWords);

std::vector<std::wstring> ListVCRedistributables(platform::Registry& registry);
std::vector<std::wstring> ListDotNetFrameworks(platform::Registry& registry);
bool IsUserAdministrator(platform::Security& security);

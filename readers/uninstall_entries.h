// The machine's list of installed programs: one subkey per program below the
// Uninstall key of HKEY_LOCAL_MACHINE, in one of the two registry views.
#pragma once

#include <cstddef>
#include <functional>

#include "platform/registry.h"
#include "readers/registry_holder.h"

inline constexpr const wchar_t* kUninstallKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// Calls `visit` with every subkey that opens, in the order the registry
// enumerates them; the key is open only during the call. `nameChars` is the
// size of the subkey name buffer, terminator included: a longer name ends
// the walk, as the registry's answer for it does. A missing Uninstall key is
// an empty list.
void ForEachUninstallEntry(CRegistry& registry, platform::RegistryView view, std::size_t nameChars,
                           const std::function<void(platform::RegistryKey entry)>& visit);

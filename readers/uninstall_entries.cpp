#include "readers/uninstall_entries.h"

#include <string>

#include "readers/registry_key.h"

void ForEachUninstallEntry(CRegistry& registry, platform::RegistryView view, std::size_t nameChars,
                           const std::function<void(platform::RegistryKey entry)>& visit) {
  const std::wstring uninstallPath = kUninstallKey;
  RegistryKeyGuard uninstall(registry);
  if (!uninstall.Open(platform::RegistryRoot::LocalMachine, uninstallPath, view)) return;
  std::wstring name;
  for (std::uint32_t index = 0; registry.Enumerate(uninstall.Get(), index, name, nameChars) == platform::kRegSuccess;
       ++index) {
    RegistryKeyGuard entry(registry);
    if (!entry.Open(platform::RegistryRoot::LocalMachine, uninstallPath + L"\\" + name, view)) continue;
    visit(entry.Get());
  }
}

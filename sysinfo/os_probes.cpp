#include "sysinfo/os_probes.h"

#include <algorithm>

#include "readers/registry_holder.h"
#include "readers/uninstall_entries.h"

namespace {

constexpr std::size_t kNameChars = 261;
constexpr std::size_t kTextBytes = 520;

std::vector<std::wstring> Words(const std::wstring& text) {
  std::vector<std::wstring> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(L' ', start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

bool HasAllWords(const std::wstring& displayName, const std::vector<std::wstring>& required) {
  const std::vector<std::wstring> words = Words(displayName);
  return std::all_of(required.begin(), required.end(), [&](const std::wstring& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
  });
}

void ScanView(CRegistry& registry, platform::RegistryView view, const std::vector<std::wstring>& required,
              std::vector<std::wstring>& found) {
  ForEachUninstallEntry(registry, view, kNameChars, [&](platform::RegistryKey entry) {
    const std::optional<std::wstring> displayName = registry.ReadText(entry, L"DisplayName", kTextBytes);
    if (!displayName || !HasAllWords(*displayName, required)) return;
    std::wstring text = *displayName;
    const std::optional<std::wstring> version = registry.ReadText(entry, L"DisplayVersion", kTextBytes);
    if (version && text.find(*version) == std::wstring::npos) text += L" - " + *version;
    if (std::find(found.begin(), found.end(), text) == found.end()) found.push_back(std::move(text));
  });
}

}  // namespace

std::vector<std::wstring> ScanUninstallEntries(platform::Registry& registryFunctions,
                                               const std::vector<std::wstring>& requiredWords) {
  CRegistry registry(registryFunctions);
  std::vector<std::wstring> found;
  ScanView(registry, platform::RegistryView::Native, requiredWords, found);
  ScanView(registry, platform::RegistryView::Wow64_32, requiredWords, found);
  return found;
}

std::vector<std::wstring> ListVCRedistributables(platform::Registry& registry) {
  return ScanUninstallEntries(registry, {L"Microsoft", L"Visual", L"C++", L"Redistributable"});
}

std::vector<std::wstring> ListDotNetFrameworks(platform::Registry& registry) {
  return ScanUninstallEntries(registry, {L"Microsoft", L".NET", L"Framework"});
}

bool IsUserAdministrator(platform::Security& security) { return security.IsUserAdministrator(); }

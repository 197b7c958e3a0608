#include "product/installed_versions.h"

#include <regex>

#include "base/text.h"
#include "readers/registry_holder.h"
#include "readers/registry_key.h"
#include "readers/uninstall_entries.h"

namespace {

const std::wstring kMakerKey = L"SOFTWARE\\BRENNICK, INC.";
constexpr std::size_t kTextBuffer = 520;
constexpr std::size_t kUnitsBuffer = 10;
constexpr std::size_t kNameChars = 260;

using platform::RegistryKey;
using platform::RegistryRoot;

// Reads the per-user settings of one version; a version without them keeps
// its placeholders.
void ReadUserSettings(CRegistry& registry, CVeloVersion& version) {
  RegistryKeyGuard guard(registry);
  if (!guard.Open(RegistryRoot::CurrentUser, kMakerKey + L"\\" + version.name)) return;
  const RegistryKey key = guard.Get();
  std::wstring directory = registry.ReadText(key, L"Directory", kTextBuffer).value_or(L"");
  if (!directory.empty() && directory.back() != L'\\') directory += L'\\';
  version.directory = std::move(directory);
  version.userDir = registry.ReadText(key, L"UserDir", kTextBuffer).value_or(L"");
  version.sharedDir = registry.ReadText(key, L"SharedDir", kTextBuffer).value_or(L"");
  version.startupUnits = registry.ReadText(key, L"Startup-Units", kUnitsBuffer).value_or(L"");
}

// The first version whose name equals `text`, without regard to case.
int FindNameExact(const VersionList& versions, const std::wstring& text) {
  const std::wstring wanted = text::LowerAscii(text);
  for (std::size_t i = 0; i < versions.size(); ++i) {
    if (text::LowerAscii(versions[i]->name) == wanted) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool IsVelotraceDisplayName(const std::wstring& lowerCaseName) {
  static const std::wregex pattern(L"^velotrace ([x0-9]+|[0-9]+).*", std::regex::ECMAScript);
  return std::regex_match(lowerCaseName, pattern);
}

InstalledVersions ReadInstalledVersions(platform::Registry& registryFunctions, Notifier& notifier) {
  CRegistry registry(registryFunctions);
  InstalledVersions found;

  RegistryKeyGuard maker(registry);
  if (maker.Open(RegistryRoot::LocalMachine, kMakerKey)) {
    if (std::optional<std::wstring> last = registry.ReadText(maker.Get(), L"LastInstalledVersion", kTextBuffer)) {
      found.lastInstalledVersion = *last;
    } else {
      notifier.Notify(L"Error - 'LastInstalledVersion' key is missing.");
    }
    maker.Close();
  }

  ForEachUninstallEntry(registry, platform::RegistryView::Native, kNameChars, [&](RegistryKey entry) {
    const std::optional<std::wstring> displayName = registry.ReadText(entry, L"DisplayName", kTextBuffer);
    const std::wstring name = text::LowerAscii(displayName.value_or(L""));
    if (!displayName || !IsVelotraceDisplayName(name)) return;
    auto version = std::make_unique<CVeloVersion>();
    version->name = name;
    ReadUserSettings(registry, *version);
    found.versions.push_back(std::move(version));
  });

  found.preselected = FindNameExact(found.versions, found.lastInstalledVersion);
  return found;
}

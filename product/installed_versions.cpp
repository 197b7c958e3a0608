#include "product/installed_versions.h"

#include <regex>

#include "base/text.h"
#include "product/registry_holder.h"

namespace {

const std::wstring kMakerKey = L"SOFTWARE\\BRENNICK, INC.";
const std::wstring kUninstallKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr std::size_t kTextBuffer = 520;
constexpr std::size_t kUnitsBuffer = 10;

using platform::RegistryKey;
using platform::RegistryRoot;

// Reads the per-user settings of one version; a version without them keeps
// its placeholders.
void ReadUserSettings(CRegistry& registry, CVeloVersion& version) {
  RegistryKey key = platform::kNoKey;
  if (registry.Open(RegistryRoot::CurrentUser, kMakerKey + L"\\" + version.name, key) != platform::kRegSuccess) return;
  std::wstring directory = registry.ReadText(key, L"Directory", kTextBuffer).value_or(L"");
  if (!directory.empty() && directory.back() != L'\\') directory += L'\\';
  version.directory = std::move(directory);
  version.userDir = registry.ReadText(key, L"UserDir", kTextBuffer).value_or(L"");
  version.sharedDir = registry.ReadText(key, L"SharedDir", kTextBuffer).value_or(L"");
  version.startupUnits = registry.ReadText(key, L"Startup-Units", kUnitsBuffer).value_or(L"");
  registry.Close(key);
}

// The first item whose whole text equals `text`, without regard to case.
int FindStringExact(const ui::ComboBox& selector, const std::wstring& text) {
  const std::wstring wanted = text::LowerAscii(text);
  for (int i = 0; i < selector.GetCount(); ++i) {
    if (text::LowerAscii(selector.GetItemText(i)) == wanted) return i;
  }
  return -1;
}

}  // namespace

bool IsVelotraceDisplayName(const std::wstring& lowerCaseName) {
  static const std::wregex pattern(L"^velotrace ([x0-9]+|[0-9]+).*", std::regex::ECMAScript);
  return std::regex_match(lowerCaseName, pattern);
}

void FindInstalledVersions(platform::Registry& registryFunctions, ui::ComboBox& selector, ui::MessageBoxes& messages,
                           const std::wstring& title, VersionList& versions, std::wstring& lastInstalledVersion) {
  CRegistry registry(registryFunctions);

  RegistryKey maker = platform::kNoKey;
  if (registry.Open(RegistryRoot::LocalMachine, kMakerKey, maker) == platform::kRegSuccess) {
    if (std::optional<std::wstring> last = registry.ReadText(maker, L"LastInstalledVersion", kTextBuffer)) {
      lastInstalledVersion = *last;
    } else {
      messages.Show(L"Error - 'LastInstalledVersion' key is missing.", title, ui::MessageIcon::None);
    }
    registry.Close(maker);
  }

  RegistryKey uninstall = platform::kNoKey;
  if (registry.Open(RegistryRoot::LocalMachine, kUninstallKey, uninstall) == platform::kRegSuccess) {
    std::wstring subkey;
    for (std::uint32_t index = 0; registry.Enumerate(uninstall, index, subkey) == platform::kRegSuccess; ++index) {
      RegistryKey entry = platform::kNoKey;
      if (registry.Open(RegistryRoot::LocalMachine, kUninstallKey + L"\\" + subkey, entry) != platform::kRegSuccess) {
        continue;
      }
      const std::optional<std::wstring> displayName = registry.ReadText(entry, L"DisplayName", kTextBuffer);
      const std::wstring name = text::LowerAscii(displayName.value_or(L""));
      if (displayName && IsVelotraceDisplayName(name)) {
        auto version = std::make_unique<CVeloVersion>();
        version->name = name;
        ReadUserSettings(registry, *version);
        versions.push_back(std::move(version));
      }
      registry.Close(entry);
    }
    registry.Close(uninstall);
  }

  for (const auto& version : versions) selector.AddString(version->name);
  const int preselected = FindStringExact(selector, lastInstalledVersion);
  if (preselected >= 0) selector.SetCurSel(preselected);
}

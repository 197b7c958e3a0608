#include "readers/version_resource.h"

#include <array>
#include <cwchar>

#include "base/text.h"

namespace {

// The fields hold at most 259 characters; a longer text is cut there.
constexpr std::size_t kMaxText = 259;

}  // namespace

bool ReadVersionResource(platform::VersionResources& resources, const std::wstring& path, VersionResourceInfo& info) {
  info = VersionResourceInfo{};
  const std::unique_ptr<platform::VersionBlock> block = resources.Load(path);
  if (!block) return false;
  const std::optional<platform::FixedFileInfo> fixed = block->QueryFixed();
  if (!fixed) return false;
  info.fileMajor = static_cast<std::uint16_t>(fixed->fileVersionMS >> 16);
  info.fileMinor = static_cast<std::uint16_t>(fixed->fileVersionMS & 0xFFFF);
  info.fileBuild = static_cast<std::uint16_t>(fixed->fileVersionLS >> 16);
  info.fileRevision = static_cast<std::uint16_t>(fixed->fileVersionLS & 0xFFFF);

  const std::optional<std::vector<platform::Translation>> translations = block->QueryTranslations();
  if (!translations || translations->empty()) return false;
  const platform::Translation first = translations->front();
  const std::wstring table = L"\\StringFileInfo\\" + text::Hex4(first.language) + text::Hex4(first.codePage) + L"\\";

  bool found = false;
  const std::array<std::pair<const wchar_t*, std::wstring*>, 3> fields = {{
      {L"CompanyName", &info.companyName},
      {L"ProductName", &info.productName},
      {L"LegalCopyright", &info.legalCopyright},
  }};
  for (const auto& [name, field] : fields) {
    if (std::optional<std::wstring> value = block->QueryString(table + name)) {
      *field = value->substr(0, kMaxText);
      found = true;
    }
  }
  return found;
}

std::wstring FormatFileVersion(const VersionResourceInfo& info) {
  return std::to_wstring(info.fileMajor) + L"." + std::to_wstring(info.fileMinor) + L"." +
         std::to_wstring(info.fileBuild) + L"." + std::to_wstring(info.fileRevision);
}

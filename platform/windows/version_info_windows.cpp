#include "platform/windows/version_info_windows.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace platform::windows_backend {

namespace {

class Win32VersionBlock final : public VersionBlock {
 public:
  explicit Win32VersionBlock(std::vector<std::uint8_t> data) : data_(std::move(data)) {}

  std::optional<FixedFileInfo> QueryFixed() const override {
    void* value = nullptr;
    UINT length = 0;
    if (!Query(L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return std::nullopt;
    VS_FIXEDFILEINFO fixed{};
    std::memcpy(&fixed, value, sizeof fixed);
    return FixedFileInfo{fixed.dwSignature,       fixed.dwStrucVersion,   fixed.dwFileVersionMS, fixed.dwFileVersionLS,
                         fixed.dwProductVersionMS, fixed.dwProductVersionLS, fixed.dwFileFlagsMask, fixed.dwFileFlags,
                         fixed.dwFileOS,          fixed.dwFileType,       fixed.dwFileSubtype,   fixed.dwFileDateMS,
                         fixed.dwFileDateLS};
  }

  std::optional<std::vector<Translation>> QueryTranslations() const override {
    void* value = nullptr;
    UINT length = 0;
    if (!Query(L"\\VarFileInfo\\Translation", &value, &length)) return std::nullopt;
    std::vector<Translation> table(length / 4);
    for (std::size_t i = 0; i < table.size(); ++i) {
      WORD pair[2];
      std::memcpy(pair, static_cast<const std::uint8_t*>(value) + 4 * i, sizeof pair);
      table[i] = Translation{pair[0], pair[1]};
    }
    return table;
  }

  std::optional<std::wstring> QueryString(const std::wstring& subBlock) const override {
    void* value = nullptr;
    UINT length = 0;
    if (!Query(subBlock.c_str(), &value, &length)) return std::nullopt;
    // The length counts characters and includes the terminator when there is one.
    const auto* text = static_cast<const wchar_t*>(value);
    std::wstring out(text, length);
    const std::size_t end = out.find(L'\0');
    if (end != std::wstring::npos) out.resize(end);
    return out;
  }

 private:
  bool Query(const wchar_t* subBlock, void** value, UINT* length) const {
    return VerQueryValueW(data_.data(), subBlock, value, length) != FALSE && *value != nullptr;
  }

  std::vector<std::uint8_t> data_;
};

}  // namespace

std::unique_ptr<VersionBlock> Win32VersionResources::Load(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return nullptr;
  std::vector<std::uint8_t> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return nullptr;
  return std::make_unique<Win32VersionBlock>(std::move(data));
}

}  // namespace platform::windows_backend

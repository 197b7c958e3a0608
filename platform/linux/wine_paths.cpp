#include "platform/linux/wine_paths.h"

#include <system_error>
#include <utility>

#include "base/text.h"
#include "base/utf.h"

namespace platform::linux_backend {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// The entry of `dir` that Windows would open for `name`. Entries whose bytes
// are not UTF-8 have no wide name that leads back to them and are passed over.
std::optional<fs::path> FindEntry(const fs::path& dir, const std::wstring& name) {
  const fs::path exact = dir / text::ToUtf8(name);
  std::error_code error;
  if (fs::exists(fs::symlink_status(exact, error))) return exact;

  const std::wstring wanted = text::LowerAscii(name);
  std::optional<std::string> best;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().native();
    const std::wstring wide = text::FromUtf8(entry);
    if (text::ToUtf8(wide) != entry || text::LowerAscii(wide) != wanted) continue;
    if (!best || entry < *best) best = entry;
  }
  if (!best) return std::nullopt;
  return dir / *best;
}

bool IsDirectory(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

}  // namespace

bool IsWindowsName(std::wstring_view name) {
  if (name.empty()) return false;
  for (const wchar_t c : name) {
    if (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
  }
  return true;
}

std::optional<DrivePath> ParseDrivePath(std::wstring_view path) {
  if (path.size() < 3 || !IsAsciiLetter(path[0]) || path[1] != L':' || !IsSeparator(path[2])) return std::nullopt;
  DrivePath parsed;
  parsed.drive = text::LowerAscii(std::wstring(1, path[0]))[0];
  std::size_t start = 3;
  while (start < path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::wstring_view name = path.substr(start, end - start);
    start = end + 1;
    if (name.empty() || name == L".") continue;
    if (name == L"..") {
      if (!parsed.names.empty()) parsed.names.pop_back();
      continue;
    }
    if (!IsWindowsName(name)) return std::nullopt;
    parsed.names.emplace_back(name);
  }
  return parsed;
}

WinePathMapper::WinePathMapper(fs::path prefix) {
  if (!prefix.empty()) dosDevices_ = std::move(prefix) / "dosdevices";
}

std::optional<fs::path> WinePathMapper::ToLinux(const std::wstring& windowsPath, Last last) const {
  if (dosDevices_.empty()) return std::nullopt;
  const auto parsed = ParseDrivePath(windowsPath);
  if (!parsed) return std::nullopt;
  // The drive's link is followed by the file system itself whenever the
  // path is used, "/" for z: as much as "../drive_c" for c:.
  const auto drive = FindEntry(dosDevices_, std::wstring{parsed->drive, L':'});
  if (!drive || !IsDirectory(*drive)) return std::nullopt;

  fs::path current = *drive;
  for (std::size_t i = 0; i < parsed->names.size(); ++i) {
    const std::wstring& name = parsed->names[i];
    const bool isLast = i + 1 == parsed->names.size();
    const auto entry = FindEntry(current, name);
    if (!entry) {
      if (isLast && last == Last::MayBeMissing) return current / text::ToUtf8(name);
      return std::nullopt;
    }
    if (isLast) {
      if (last == Last::MustExist && !Exists(*entry)) return std::nullopt;
      return entry;
    }
    if (!IsDirectory(*entry)) return std::nullopt;
    current = *entry;
  }
  return current;
}

}  // namespace platform::linux_backend

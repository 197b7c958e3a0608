// Windows paths as the registry gives them ("C:\Apps\Velotrace 2023\apps"),
// mapped to the files of the Wine prefix that holds the installations.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::linux_backend {

// An absolute drive-letter path taken apart, with "." and ".." already
// resolved by their names, as Windows resolves them before it looks at any
// file; ".." at the drive's root stays at the root.
struct DrivePath {
  wchar_t drive = 0;  // lower case
  std::vector<std::wstring> names;
};

// nullopt for anything but an absolute drive-letter path ("X:\" followed by
// names, backslashes or slashes, repeated separators taken as one): UNC and
// device paths, paths relative to a folder or to a drive ("C:Apps"), an empty
// path, and names that Windows refuses (see IsWindowsName), NUL among them.
std::optional<DrivePath> ParseDrivePath(std::wstring_view path);

// Whether Windows allows a file of this name: not empty, no control character
// and none of \ / : * ? " < > |.
bool IsWindowsName(std::wstring_view name);

class WinePathMapper {
 public:
  enum class Last {
    MustExist,     // the file or folder named must be there
    MayBeMissing,  // only its folder must be there
  };

  // `prefix` is the Wine prefix's directory; one without "dosdevices" maps
  // nothing.
  explicit WinePathMapper(std::filesystem::path prefix);

  // The Linux path of a Windows path: the drive through the prefix's
  // "dosdevices" link of that letter, then each name matched against the
  // folder's entries without regard to the case of A-Z, an entry of exactly
  // that name first; among several that differ only in case, the first in
  // byte order. Every folder on the way must exist. nullopt when the path is
  // not one ParseDrivePath takes or cannot be followed.
  std::optional<std::filesystem::path> ToLinux(const std::wstring& windowsPath, Last last = Last::MustExist) const;

 private:
  std::filesystem::path dosDevices_;
};

}  // namespace platform::linux_backend

#include "product/product_config.h"

#include <array>
#include <string_view>

#include "base/text.h"

namespace {

// Each byte of the file is one character.
std::wstring FromBytes(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (const char c : bytes) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return out;
}

// The value of a setting line: what follows its first question mark, with
// white space removed from both ends; a line without one is its own value.
std::string SettingValue(const std::string& line) {
  const std::size_t mark = line.find('?');
  if (mark == std::string::npos) return line;
  return std::string(text::Trim(std::string_view(line).substr(mark + 1), text::kCSpace));
}

std::wstring YesNoOrEmpty(const std::string& value) {
  if (value == "y" || value == "Y") return L"Yes";
  if (value == "n" || value == "N") return L"No";
  return L"";
}

void AppendSetting(std::string_view key, const std::string& value, InfoEntryList& entries) {
  if (key == "2118.") {
    if (value == "<WINTEMPDIR>") {
      entries.push_back({L"Use Windows temp directory", L"Yes"});
    } else {
      entries.push_back({L"Use Windows temp directory", L"No"});
      entries.push_back({L"Temp directory", FromBytes(value)});
    }
  } else if (key == "4009.") {
    entries.push_back({L"Graphics support", value == "0" ? L"GDI" : value == "1" ? L"OpenGL" : L""});
  } else if (key == "4031.") {
    entries.push_back({L"Hardware Acceleration Disabled", YesNoOrEmpty(value)});
  } else if (key == "4033.") {
    entries.push_back({L"Front Buffer Disabled", YesNoOrEmpty(value)});
  }
}

}  // namespace

std::wstring ProductConfigFilePath(const CVeloVersion& version) {
  const std::wstring units = text::UpperAscii(version.startupUnits);
  const wchar_t* file = units == L"E" || units == L"I" ? L"config\\velox.config" : L"config\\veloxm.config";
  const std::wstring& base = version.userDir.empty() ? version.directory : version.userDir;
  return base + file;
}

InfoEntryList ReadProductConfigFile(platform::FileSystem& files, const CVeloVersion* selected) {
  InfoEntryList entries;
  if (!selected) return entries;
  const std::wstring path = ProductConfigFilePath(*selected);
  entries.push_back({L"Install directory", selected->directory});
  if (text::UpperAscii(selected->name).find(L"X6") == std::wstring::npos) {
    entries.push_back({L"User directory", selected->userDir});
    entries.push_back({L"Shared directory", selected->sharedDir});
  }
  entries.push_back({L"Start-up config", path});

  const std::unique_ptr<platform::TextFile> file = files.OpenText(path);
  if (!file) return entries;
  // The file is read once, front to back: each key is looked for after the
  // line where the previous key was found, so keys count only in this order.
  static constexpr std::array<std::string_view, 4> kKeys = {"2118.", "4009.", "4031.", "4033."};
  std::string line;
  bool atEnd = false;
  for (const std::string_view key : kKeys) {
    while (!atEnd) {
      if (!file->ReadLine(line)) {
        atEnd = true;
        break;
      }
      if (line.compare(0, key.size(), key) == 0) {
        AppendSetting(key, SettingValue(line), entries);
        break;
      }
    }
  }
  return entries;
}

// An in-memory registry, file tree and set of version resources, for the
// product collectors' tests.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/version_info.h"

namespace fakes {

inline std::vector<std::uint8_t> Utf16Le(const std::wstring& text, bool terminator = true) {
  std::vector<std::uint8_t> bytes;
  for (const wchar_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
  }
  if (terminator) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

// Keys are named by full paths ("HKLM\\SOFTWARE\\..."), looked up without
// regard to case; subkeys enumerate in the order they were added.
class FakeRegistry final : public platform::Registry {
 public:
  void AddKey(const std::wstring& path) {
    std::wstring walked;
    std::size_t start = 0;
    while (start <= path.size()) {
      const std::size_t end = std::min(path.find(L'\\', start), path.size());
      const std::wstring parent = walked;
      walked += (walked.empty() ? L"" : L"\\") + path.substr(start, end - start);
      if (!keys_.count(Fold(walked))) {
        keys_[Fold(walked)] = Key{};
        if (!parent.empty()) keys_[Fold(parent)].children.push_back(path.substr(start, end - start));
      }
      start = end + 1;
    }
  }
  void SetText(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
    SetBytes(key, name, Utf16Le(value), platform::kRegSz);
  }
  void SetBytes(const std::wstring& key, const std::wstring& name, std::vector<std::uint8_t> bytes, std::uint32_t type) {
    AddKey(key);
    keys_[Fold(key)].values[Fold(name)] = {std::move(bytes), type};
  }
  int OpenHandles() const { return static_cast<int>(open_.size()); }

  long OpenKey(platform::RegistryRoot root, const std::wstring& path, platform::RegistryView view,
               platform::RegistryKey& key) override {
    std::wstring full = (root == platform::RegistryRoot::LocalMachine ? L"HKLM\\" : L"HKCU\\") + path;
    if (view == platform::RegistryView::Wow64_32) full = L"WOW32:" + full;
    return Open(full, key);
  }
  long OpenSubKey(platform::RegistryKey parent, const std::wstring& path, platform::RegistryView,
                  platform::RegistryKey& key) override {
    const auto it = open_.find(parent);
    if (it == open_.end()) return platform::kRegInvalidHandle;
    return Open(it->second + L"\\" + path, key);
  }
  long CloseKey(platform::RegistryKey key) override {
    return open_.erase(key) ? platform::kRegSuccess : platform::kRegInvalidHandle;
  }
  long EnumKey(platform::RegistryKey key, std::uint32_t index, std::size_t maxChars, std::wstring& name,
               platform::FileTime& lastWrite) override {
    const auto it = open_.find(key);
    if (it == open_.end()) return platform::kRegInvalidHandle;
    const Key& k = keys_.at(Fold(it->second));
    if (index >= k.children.size()) return platform::kRegNoMoreItems;
    if (k.children[index].size() >= maxChars) return platform::kRegMoreData;
    name = k.children[index];
    lastWrite = 0x01D9000000000000ull + index;
    return platform::kRegSuccess;
  }
  long QueryValue(platform::RegistryKey key, const std::wstring& name, std::size_t maxBytes,
                  std::vector<std::uint8_t>& data, std::uint32_t& type) override {
    const auto it = open_.find(key);
    if (it == open_.end()) return platform::kRegInvalidHandle;
    const Key& k = keys_.at(Fold(it->second));
    const auto value = k.values.find(Fold(name));
    if (value == k.values.end()) return platform::kRegFileNotFound;
    data.clear();
    if (value->second.first.size() > maxBytes) return platform::kRegMoreData;
    data = value->second.first;
    type = value->second.second;
    return platform::kRegSuccess;
  }

 private:
  struct Key {
    std::vector<std::wstring> children;
    std::map<std::wstring, std::pair<std::vector<std::uint8_t>, std::uint32_t>> values;
  };
  static std::wstring Fold(const std::wstring& s) { return text::LowerAscii(s); }
  long Open(std::wstring full, platform::RegistryKey& key) {
    // The system accepts a path that ends in a backslash.
    while (!full.empty() && full.back() == L'\\') full.pop_back();
    if (!keys_.count(Fold(full))) return platform::kRegFileNotFound;
    key = nextHandle_++;
    open_[key] = full;
    return platform::kRegSuccess;
  }

  std::map<std::wstring, Key> keys_;
  std::map<platform::RegistryKey, std::wstring> open_;
  platform::RegistryKey nextHandle_ = 0x100;
};

class FakeTextFile final : public platform::TextFile {
 public:
  explicit FakeTextFile(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  bool ReadLine(std::string& line) override {
    if (next_ >= lines_.size()) return false;
    line = lines_[next_++];
    return true;
  }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

// Files by Windows path; a search lists the entries added under its folder,
// in the order they were added, whose names match the pattern's extension.
class FakeFileSystem final : public platform::FileSystem {
 public:
  void AddFile(const std::wstring& path, std::vector<std::string> lines = {}) { entries_.push_back({path, false, std::move(lines)}); }
  void AddDirectory(const std::wstring& path) { entries_.push_back({path, true, {}}); }
  std::vector<std::wstring> searches;
  std::vector<std::wstring> opened;

  std::vector<platform::FoundFile> Find(const std::wstring& pattern) override {
    searches.push_back(pattern);
    const std::size_t slash = pattern.rfind(L'\\');
    const std::wstring folder = text::LowerAscii(pattern.substr(0, slash));
    const std::wstring wildcard = text::LowerAscii(pattern.substr(slash + 1));
    const std::wstring extension = wildcard.substr(wildcard.find(L'.'));  // "*.dll" -> ".dll"
    std::vector<platform::FoundFile> found;
    for (const Entry& e : entries_) {
      const std::size_t cut = e.path.rfind(L'\\');
      const std::wstring name = e.path.substr(cut + 1);
      const std::wstring lower = text::LowerAscii(name);
      if (text::LowerAscii(e.path.substr(0, cut)) != folder) continue;
      if (lower.size() < extension.size() || lower.compare(lower.size() - extension.size(), extension.size(), extension)) continue;
      found.push_back({name, pattern.substr(0, slash) + L"\\" + name, e.directory});
    }
    return found;
  }
  std::unique_ptr<platform::TextFile> OpenText(const std::wstring& path) override {
    opened.push_back(path);
    for (const Entry& e : entries_) {
      if (!e.directory && text::LowerAscii(e.path) == text::LowerAscii(path)) return std::make_unique<FakeTextFile>(e.lines);
    }
    return nullptr;
  }

 private:
  struct Entry {
    std::wstring path;
    bool directory;
    std::vector<std::string> lines;
  };
  std::vector<Entry> entries_;
};

// The version resource of one fake file.
struct FakeVersion {
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
  bool hasTranslation = true;
  platform::Translation translation{0x0409, 0x04B0};
  std::map<std::wstring, std::wstring> strings;  // full sub-block path -> text
};

class FakeVersionResources final : public platform::VersionResources {
 public:
  std::map<std::wstring, FakeVersion> files;  // by lower-cased path
  std::vector<std::wstring> loaded;

  // A file with a version and texts under the usual English translation.
  void Add(const std::wstring& path, std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d,
           const std::wstring& company, const std::wstring& copyright = L"") {
    FakeVersion v;
    v.fileVersionMS = (static_cast<std::uint32_t>(a) << 16) | b;
    v.fileVersionLS = (static_cast<std::uint32_t>(c) << 16) | d;
    if (!company.empty()) v.strings[L"\\StringFileInfo\\040904b0\\CompanyName"] = company;
    if (!copyright.empty()) v.strings[L"\\StringFileInfo\\040904b0\\LegalCopyright"] = copyright;
    files[text::LowerAscii(path)] = v;
  }

  std::unique_ptr<platform::VersionBlock> Load(const std::wstring& path) override {
    loaded.push_back(path);
    const auto it = files.find(text::LowerAscii(path));
    if (it == files.end()) return nullptr;
    return std::make_unique<Block>(it->second);
  }

 private:
  class Block final : public platform::VersionBlock {
   public:
    explicit Block(FakeVersion v) : v_(std::move(v)) {}
    std::optional<platform::FixedFileInfo> QueryFixed() const override {
      platform::FixedFileInfo fixed;
      fixed.signature = 0xFEEF04BD;
      fixed.fileVersionMS = v_.fileVersionMS;
      fixed.fileVersionLS = v_.fileVersionLS;
      return fixed;
    }
    std::optional<std::vector<platform::Translation>> QueryTranslations() const override {
      if (!v_.hasTranslation) return std::nullopt;
      return std::vector<platform::Translation>{v_.translation};
    }
    std::optional<std::wstring> QueryString(const std::wstring& subBlock) const override {
      for (const auto& [key, value] : v_.strings) {
        if (text::LowerAscii(key) == text::LowerAscii(subBlock)) return value;
      }
      return std::nullopt;
    }

   private:
    FakeVersion v_;
  };
};

}  // namespace fakes

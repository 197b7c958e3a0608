#include "platform/linux/registry_linux.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "base/text.h"
#include "base/utf.h"

namespace platform::linux_backend {

namespace {

constexpr std::uint32_t kRegLink = 6;
// Links that lead to links are followed this many times; a longer chain is
// taken for a loop.
constexpr int kMaxLinkHops = 32;
// A fresh prefix's machine hive has 2 to 3 MB; a file far beyond any real one
// is not loaded rather than let it exhaust the memory.
constexpr std::uintmax_t kMaxHiveBytes = 256u << 20;

// The names of a path; runs of backslashes separate as one, as the registry
// takes them.
std::vector<std::wstring> SplitComponents(const std::wstring& path) {
  std::vector<std::wstring> components;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(L'\\', start);
    if (end == std::wstring::npos) end = path.size();
    if (end > start) components.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return components;
}

// What a 32-bit program sees as HKLM\Software\X lives in
// HKLM\Software\Wow6432Node\X; a path that names Wow6432Node itself is taken
// as written.
void RedirectTo32BitView(std::vector<std::wstring>& path) {
  if (path.size() >= 2 && text::LowerAscii(path[0]) == L"software" && text::LowerAscii(path[1]) != L"wow6432node") {
    path.insert(path.begin() + 1, L"Wow6432Node");
  }
}

// The path below the machine's root that a link key stands for. Wine writes
// machine links as "\Registry\Machine\..."; any other target is not one this
// hive can answer.
bool MachineLinkTarget(const RegistryHiveKey& link, std::vector<std::wstring>& target) {
  const RegistryHiveValue* value = link.FindValue(L"SymbolicLinkValue");
  if (value == nullptr || value->type != kRegLink) return false;
  target = SplitComponents(text::FromUtf16Le(value->data));
  if (target.size() < 2 || text::LowerAscii(target[0]) != L"registry" || text::LowerAscii(target[1]) != L"machine") {
    return false;
  }
  target.erase(target.begin(), target.begin() + 2);
  return true;
}

// Walks `path` from the hive's root, following links as opening a key does,
// and leaves in `path` the names of the key actually reached.
const RegistryHiveKey* Resolve(const RegistryHiveKey& root, bool machine, std::vector<std::wstring>& path) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    const RegistryHiveKey* node = &root;
    std::size_t i = 0;
    for (; i < path.size(); ++i) {
      node = node->FindSubkey(path[i]);
      if (node == nullptr) return nullptr;
      if (node->isLink) break;
      path[i] = node->name;
    }
    if (i == path.size()) return node;
    std::vector<std::wstring> target;
    if (!machine || !MachineLinkTarget(*node, target)) return nullptr;
    target.insert(target.end(), std::make_move_iterator(path.begin() + static_cast<std::ptrdiff_t>(i) + 1),
                  std::make_move_iterator(path.end()));
    path = std::move(target);
  }
  return nullptr;
}

// The whole text of a hive file; nothing when it is missing, unreadable or far
// beyond any real hive. An empty file is an empty hive, not a missing one.
std::optional<std::string> ReadHiveText(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kMaxHiveBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(static_cast<std::size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

// The length the system gives a name: UTF-16 code units.
std::size_t Utf16Length(const std::wstring& name) {
  std::size_t units = name.size();
  for (const wchar_t c : name) {
    if (static_cast<std::uint32_t>(c) > 0xFFFF) ++units;
  }
  return units;
}

}  // namespace

std::filesystem::path FindWinePrefix() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') return prefix;
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::filesystem::path(home) / ".wine";
  }
  return {};
}

WineRegistry::WineRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {}

WineRegistry::Hive& WineRegistry::HiveOf(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? machine_ : user_;
}

const RegistryHiveKey* WineRegistry::LoadedRoot(RegistryRoot root) {
  Hive& hive = HiveOf(root);
  if (!hive.loaded) {
    hive.loaded = true;
    if (!prefix_.empty()) {
      if (const std::optional<std::string> text = ReadHiveText(prefix_ / hive.fileName)) {
        hive.root = ParseRegistryHive(*text);
      }
    }
  }
  return hive.root ? &*hive.root : nullptr;
}

const WineRegistry::OpenedKey* WineRegistry::Find(RegistryKey key) const {
  if (key == kNoKey || key > opened_.size() || !opened_[key - 1]) return nullptr;
  return &*opened_[key - 1];
}

long WineRegistry::Open(RegistryRoot root, std::vector<std::wstring> path, RegistryKey& key) {
  const RegistryHiveKey* hiveRoot = LoadedRoot(root);
  if (hiveRoot == nullptr) return kRegFileNotFound;
  const bool machine = root == RegistryRoot::LocalMachine;
  const RegistryHiveKey* node = Resolve(*hiveRoot, machine, path);
  if (node == nullptr) return kRegFileNotFound;
  std::size_t slot = 0;
  while (slot < opened_.size() && opened_[slot]) ++slot;
  if (slot == opened_.size()) opened_.emplace_back();
  opened_[slot] = OpenedKey{root, node, std::move(path)};
  key = slot + 1;
  return kRegSuccess;
}

long WineRegistry::OpenKey(RegistryRoot root, const std::wstring& path, RegistryView view, RegistryKey& key) {
  key = kNoKey;
  // The system refuses a path that starts at a separator.
  if (!path.empty() && path.front() == L'\\') return kRegFileNotFound;
  std::vector<std::wstring> components = SplitComponents(path);
  if (root == RegistryRoot::LocalMachine && view == RegistryView::Wow64_32) RedirectTo32BitView(components);
  return Open(root, std::move(components), key);
}

long WineRegistry::OpenSubKey(RegistryKey parent, const std::wstring& path, RegistryView view, RegistryKey& key) {
  key = kNoKey;
  const OpenedKey* base = Find(parent);
  if (base == nullptr) return kRegInvalidHandle;
  if (!path.empty() && path.front() == L'\\') return kRegFileNotFound;
  std::vector<std::wstring> components = base->path;
  for (std::wstring& name : SplitComponents(path)) components.push_back(std::move(name));
  // A key below Software already lies in one view or the other; only a walk
  // that passes through Software itself is redirected, as the system does.
  if (base->root == RegistryRoot::LocalMachine && view == RegistryView::Wow64_32 && base->path.size() <= 1) {
    RedirectTo32BitView(components);
  }
  return Open(base->root, std::move(components), key);
}

long WineRegistry::CloseKey(RegistryKey key) {
  if (Find(key) == nullptr) return kRegInvalidHandle;
  opened_[key - 1].reset();
  while (!opened_.empty() && !opened_.back()) opened_.pop_back();
  return kRegSuccess;
}

long WineRegistry::EnumKey(RegistryKey key, std::uint32_t index, std::size_t maxChars, std::wstring& name,
                           FileTime& lastWrite) {
  const OpenedKey* opened = Find(key);
  if (opened == nullptr) return kRegInvalidHandle;
  const auto& subkeys = opened->node->Subkeys();
  if (index >= subkeys.size()) return kRegNoMoreItems;
  const RegistryHiveKey& subkey = *subkeys[index];
  if (Utf16Length(subkey.name) >= maxChars) {
    name.clear();
    return kRegMoreData;
  }
  name = subkey.name;
  lastWrite = subkey.lastWrite;
  return kRegSuccess;
}

long WineRegistry::QueryValue(RegistryKey key, const std::wstring& name, std::size_t maxBytes,
                              std::vector<std::uint8_t>& data, std::uint32_t& type) {
  data.clear();
  const OpenedKey* opened = Find(key);
  if (opened == nullptr) return kRegInvalidHandle;
  const RegistryHiveValue* value = opened->node->FindValue(name);
  if (value == nullptr) return kRegFileNotFound;
  type = value->type;
  if (value->data.size() > maxBytes) return kRegMoreData;
  data = value->data;
  return kRegSuccess;
}

}  // namespace platform::linux_backend

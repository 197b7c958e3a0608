// Fuzzes the registry file parser and the registry backend over it: the bytes
// become a prefix's system.reg, and every key of the parsed tree is opened,
// enumerated and has every value queried through the backend, which must
// answer exactly what the tree holds.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/temp_dir.h"
#include "base/text.h"
#include "base/utf.h"
#include "platform/linux/registry_hive.h"
#include "platform/linux/registry_linux.h"

namespace {

using namespace platform;
using platform::linux_backend::RegistryHiveKey;

struct Workspace {
  fakes::TempDir scratch{"veloinspect-fuzz"};
  const std::filesystem::path& dir = scratch.Path();
};

void Check(bool ok) {
  if (!ok) std::abort();
}

// A key of the tree and the backend's handle for it. Below a link the handle
// stands for the link's target, so there the answers are only exercised.
struct Visit {
  const RegistryHiveKey* node;
  RegistryKey key;
  bool belowLink;
  std::size_t depth;
};

void CheckValues(Registry& registry, const Visit& visit) {
  for (const auto& value : visit.node->Values()) {
    std::vector<std::uint8_t> data;
    std::uint32_t type = 0;
    const long status = registry.QueryValue(visit.key, value.name, SIZE_MAX, data, type);
    text::FromUtf16Le(data);
    if (!value.data.empty()) {
      std::vector<std::uint8_t> cut{1};
      const long tooShort = registry.QueryValue(visit.key, value.name, value.data.size() - 1, cut, type);
      if (!visit.belowLink) Check(tooShort == kRegMoreData && cut.empty());
    }
    if (visit.belowLink) continue;
    Check(status == kRegSuccess && data == value.data && type == value.type);
  }
}

void CheckSubkeys(Registry& registry, const Visit& visit) {
  const auto& subkeys = visit.node->Subkeys();
  for (std::uint32_t i = 0; i <= subkeys.size(); ++i) {
    std::wstring name;
    FileTime lastWrite = 0;
    const long status = registry.EnumKey(visit.key, i, 1u << 20, name, lastWrite);
    if (visit.belowLink) continue;
    if (i == subkeys.size()) {
      Check(status == kRegNoMoreItems);
    } else {
      Check(status == kRegSuccess && name == subkeys[i]->name && lastWrite == subkeys[i]->lastWrite);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Workspace workspace;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream file(workspace.dir / "system.reg", std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  const RegistryHiveKey root = linux_backend::ParseRegistryHive(text);
  linux_backend::WineRegistry registry(workspace.dir);

  RegistryKey rootKey = kNoKey;
  Check(registry.OpenKey(RegistryRoot::LocalMachine, L"", RegistryView::Native, rootKey) == kRegSuccess);
  std::vector<Visit> pending{{&root, rootKey, false, 0}};
  while (!pending.empty()) {
    const Visit visit = pending.back();
    pending.pop_back();
    Check(visit.depth <= linux_backend::kMaxHiveDepth);
    CheckValues(registry, visit);
    CheckSubkeys(registry, visit);
    for (const auto& child : visit.node->Subkeys()) {
      Check(visit.node->FindSubkey(text::LowerAscii(child->name)) == child.get());
      RegistryKey other = kNoKey;
      if (registry.OpenSubKey(visit.key, child->name, RegistryView::Wow64_32, other) == kRegSuccess) {
        Check(registry.CloseKey(other) == kRegSuccess);
      }
      RegistryKey key = kNoKey;
      const bool belowLink = visit.belowLink || child->isLink;
      const long status = registry.OpenSubKey(visit.key, child->name, RegistryView::Native, key);
      if (!belowLink) Check(status == kRegSuccess);
      if (status == kRegSuccess) pending.push_back({child.get(), key, belowLink, visit.depth + 1});
    }
    Check(registry.CloseKey(visit.key) == kRegSuccess);
    Check(registry.CloseKey(visit.key) == kRegInvalidHandle);
  }
  return 0;
}

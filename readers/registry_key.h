// An open registry key that closes itself: whatever path leaves the scope that
// opened it, early returns included, the key goes back to the registry once.
#pragma once

#include <string>

#include "platform/registry.h"
#include "readers/registry_holder.h"

class RegistryKeyGuard {
 public:
  explicit RegistryKeyGuard(CRegistry& registry) : registry_(registry) {}
  RegistryKeyGuard(const RegistryKeyGuard&) = delete;
  RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;
  ~RegistryKeyGuard() { Close(); }

  // True when the key was opened; a key the guard held before is closed first.
  bool Open(platform::RegistryRoot root, const std::wstring& path,
            platform::RegistryView view = platform::RegistryView::Native) {
    Close();
    return registry_.Open(root, path, key_, view) == platform::kRegSuccess;
  }

  void Close() {
    if (key_ == platform::kNoKey) return;
    registry_.Close(key_);
    key_ = platform::kNoKey;
  }

  platform::RegistryKey Get() const { return key_; }

 private:
  CRegistry& registry_;
  platform::RegistryKey key_ = platform::kNoKey;
};

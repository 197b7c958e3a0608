#include "platform/windows/security_windows.h"

#include <windows.h>

#include <memory>

namespace platform::windows_backend {

namespace {

struct SidDeleter {
  void operator()(void* sid) const { FreeSid(sid); }
};

}  // namespace

bool Win32Security::IsUserAdministrator() {
  SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
  PSID allocated = nullptr;
  if (!AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                &allocated)) {
    return false;
  }
  const std::unique_ptr<void, SidDeleter> administrators(allocated);
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, administrators.get(), &member)) return false;
  return member != FALSE;
}

}  // namespace platform::windows_backend

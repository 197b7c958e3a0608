// Whether the calling thread's token holds the Administrators group, enabled.
#pragma once

#include "platform/security.h"

namespace platform::windows_backend {

class Win32Security final : public Security {
 public:
  bool IsUserAdministrator() override;
};

}  // namespace platform::windows_backend

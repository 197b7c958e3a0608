// Whether the program runs with administrator rights on Linux.
#pragma once

#include "platform/security.h"

namespace platform::linux_backend {

class LinuxSecurity final : public Security {
 public:
  // True for an effective user id of 0: the rights that count are those the
  // process acts with, whatever user started it.
  bool IsUserAdministrator() override;
};

}  // namespace platform::linux_backend

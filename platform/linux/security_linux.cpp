#include "platform/linux/security_linux.h"

#include <unistd.h>

namespace platform::linux_backend {

bool LinuxSecurity::IsUserAdministrator() { return geteuid() == 0; }

}  // namespace platform::linux_backend

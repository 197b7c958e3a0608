// The core sees the platform interfaces, never a backend's own headers.
#include "platform/linux/registry_hive.h"

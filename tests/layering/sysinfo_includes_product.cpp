// The probes share the readers with the product collections, not the
// product collections themselves.
#include "product/installed_versions.h"

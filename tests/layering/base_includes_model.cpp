// The base library depends on nothing of ours.
#include "model/sys_info.h"

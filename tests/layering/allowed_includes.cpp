// What a source of the probes may include, compiled as they compile: the
// proof that the cases beside this one fail for the reason they name and not
// because nothing compiles.
#include "base/text.h"
#include "model/notifier.h"
#include "platform/registry.h"
#include "readers/uninstall_entries.h"
#include "sysinfo/query_wmi.h"

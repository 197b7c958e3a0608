// The memory load worked out from the text of /proc/meminfo, in the same
// terms as the Windows memory status gives it.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform::linux_backend {

// (MemTotal - MemAvailable) * 100 / MemTotal, rounded down to a whole
// percentage as integer division does. Kernels older than 3.14 have no
// MemAvailable line; MemFree + Buffers + Cached stands in for it there.
// Available memory above the total counts as a load of 0. A missing or
// malformed line that is needed, a total of 0, or a value too large to be
// multiplied by 100 gives 0: the load is then unknown, and 0 never suggests
// a full machine.
std::uint32_t ParseMemoryLoad(std::string_view meminfo);

}  // namespace platform::linux_backend

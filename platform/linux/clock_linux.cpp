#include "platform/linux/clock_linux.h"

#include <time.h>

namespace platform::linux_backend {

LocalDate LocalTimeClock::Today() {
  // localtime_r need not read the time zone settings itself; tzset makes
  // sure a changed TZ is seen.
  tzset();
  const time_t now = time(nullptr);
  tm local{};
  // localtime_r fails only when the year does not fit an int, which no
  // running clock reaches; the epoch's date then stands in.
  if (localtime_r(&now, &local) == nullptr) return LocalDate{1970, 1, 1};
  return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace platform::linux_backend

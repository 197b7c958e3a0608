// The local calendar date, which the summary report prints under its title.
#pragma once

namespace platform {

// A date of the Gregorian calendar: month 1 to 12, day 1 to 31.
struct LocalDate {
  int year;
  int month;
  int day;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Today's date in the machine's local time zone.
  virtual LocalDate Today() = 0;
};

}  // namespace platform

#include "platform/linux/wmi/cim_datetime.h"

#include <charconv>
#include <cstdio>

namespace platform::linux_backend::wmi {

namespace {

struct CivilDay {
  std::int64_t year;
  unsigned month;
  unsigned day;
};

// The proleptic Gregorian day of a count of days since 1970-01-01.
CivilDay CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const auto day = static_cast<unsigned>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const auto month = static_cast<unsigned>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<int> ParseDigits(std::string_view text) {
  int value = 0;
  if (text.empty()) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> FormatCimDateTime(std::int64_t utcSeconds, int offsetMinutes) {
  // Beyond these bounds the arithmetic below could overflow; they lie far
  // outside the years the text can hold anyway.
  constexpr std::int64_t kLimit = std::int64_t{1} << 40;
  if (utcSeconds < -kLimit || utcSeconds > kLimit || offsetMinutes < -999 || offsetMinutes > 999) return std::nullopt;
  const std::int64_t local = utcSeconds + std::int64_t{offsetMinutes} * 60;
  std::int64_t days = local / 86400;
  std::int64_t seconds = local % 86400;
  if (seconds < 0) {
    seconds += 86400;
    --days;
  }
  const CivilDay civil = CivilFromDays(days);
  if (civil.year < 1601 || civil.year > 9999) return std::nullopt;
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02u%02u%02d%02d%02d.000000%c%03d", static_cast<int>(civil.year), civil.month,
                civil.day, static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60), offsetMinutes < 0 ? '-' : '+',
                offsetMinutes < 0 ? -offsetMinutes : offsetMinutes);
  return std::string(text);
}

std::optional<std::string> FormatCimDate(int year, int month, int day, std::string_view offset) {
  if (year < 1601 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  // Room for what the format could write for any int, although the checks
  // above leave 21 characters.
  char text[40];
  std::snprintf(text, sizeof text, "%04d%02d%02d000000.000000", year, month, day);
  return std::string(text) + std::string(offset);
}

std::optional<std::string> ParseDmiDate(std::string_view text) {
  const std::size_t first = text.find('/');
  const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::optional<int> month = ParseDigits(text.substr(0, first));
  const std::optional<int> day = ParseDigits(text.substr(first + 1, second - first - 1));
  const std::string_view yearText = text.substr(second + 1);
  std::optional<int> year = ParseDigits(yearText);
  if (!month || !day || !year) return std::nullopt;
  if (yearText.size() == 2) {
    *year += 1900;
  } else if (yearText.size() != 4) {
    return std::nullopt;
  }
  return FormatCimDate(*year, *month, *day, "+000");
}

}  // namespace platform::linux_backend::wmi

// The CIM datetime text in which WMI gives times and dates:
// "yyyymmddHHMMSS.ffffff" and the offset from UTC in minutes ("+060").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::linux_backend::wmi {

// A moment (seconds since 1970 UTC) as local time with its offset from UTC;
// nullopt for a year outside 1601 to 9999 or an offset of more than 999
// minutes, which the text cannot hold.
std::optional<std::string> FormatCimDateTime(std::int64_t utcSeconds, int offsetMinutes);

// A calendar day at midnight, with the offset text that the property uses
// ("+000" for firmware dates, "-000" for driver dates); nullopt for a day
// that does not exist.
std::optional<std::string> FormatCimDate(int year, int month, int day, std::string_view offset);

// A firmware date as SMBIOS writes it ("07/25/2019", or "07/25/99" for a
// year of the 1900s) as a CIM datetime with offset "+000".
std::optional<std::string> ParseDmiDate(std::string_view text);

}  // namespace platform::linux_backend::wmi

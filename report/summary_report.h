// The summary report: the plain-text file of everything collected that the
// user sends to support, written into the current working directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/sys_info.h"
#include "platform/clock.h"
#include "platform/output_file.h"

namespace report {

// "Velotrace Inspector summary for <selected item>.txt", or
// "Velotrace Inspector summary.txt" when no item is selected.
std::wstring ReportFileName(const std::optional<std::wstring>& selectedItem);

// The date as the C library's "%B %d, %Y" prints it in the "C" locale:
// "March 05, 2014", English whatever the machine's language. A month outside
// 1 to 12 is printed as "?", as the C library does.
std::wstring FormatReportDate(platform::LocalDate date);

// The whole report: title, date and one section per category of results.
// The SOLIDWORKS section is present only when the selected item's text
// names that edition, in any letter case.
std::wstring SummaryReportText(const OwningList<SystemInfoResults>& results, bool systemInfoCollected,
                               const std::optional<std::wstring>& selectedItem, platform::LocalDate date);

// The bytes of a report text: every character up to U+00FF as the one byte
// of its code (ISO 8859-1), every line feed as carriage return and line
// feed. A character above U+00FF cannot be stored; the bytes then end just
// before the first such character and `complete` is false.
struct ReportBytes {
  std::string bytes;
  bool complete = true;
};
ReportBytes EncodeReportText(std::wstring_view text);

// What became of a report: written, with the status row's text "Summary
// report created", or not, with the message that tells the user why.
struct ReportOutcome {
  bool created = false;
  std::wstring text;
};

// Writes the report file. A report cut short by a failure stays in the file
// as far as it got.
ReportOutcome WriteSummaryReport(const OwningList<SystemInfoResults>& results, bool systemInfoCollected,
                                 const std::optional<std::wstring>& selectedItem, platform::Clock& clock,
                                 platform::OutputFiles& files);

}  // namespace report

#include "report/summary_report.h"

#include <array>
#include <cstdint>
#include <memory>

#include "model/edition.h"

namespace report {

namespace {

constexpr std::wstring_view kCreateFailed = L"Error creating summary report file";
// One message for whatever stops the report once the file exists: a failed
// write, a failed close, or a character that cannot be stored.
constexpr std::wstring_view kWriteFailed = L"Disk full while accessing %1.";
constexpr std::wstring_view kReportCreated = L"Summary report created";
constexpr std::wstring_view kNoData = L"\tNo data exists for report\n";

constexpr std::array<std::wstring_view, 12> kMonths = {
    L"January", L"February", L"March",     L"April",   L"May",      L"June",
    L"July",    L"August",   L"September", L"October", L"November", L"December"};

void AppendHead(std::wstring& out, std::size_t ruleLength, std::wstring_view heading) {
  const std::wstring rule(ruleLength, L'=');
  out += L'\n';
  out += rule;
  out += L'\n';
  out += heading;
  out += L'\n';
  out += rule;
  out += L"\n\n";
}

bool HasRecordOf(const OwningList<SystemInfoResults>& results, InfoCategory category) {
  for (const auto& record : results) {
    if (record && record->category == category) return true;
  }
  return false;
}

void AppendEntries(std::wstring& out, const OwningList<SystemInfoResults>& results, InfoCategory category) {
  for (const auto& record : results) {
    if (!record || record->category != category) continue;
    for (const InfoEntry& entry : record->entries) {
      out += L'\t';
      out += entry.display;
      out += L" - ";
      out += entry.value;
      out += L'\n';
    }
  }
}

// The machine's sections are empty until the collection has run; the
// product's until a version has given results, even ones emptied since.
void AppendBody(std::wstring& out, const OwningList<SystemInfoResults>& results, InfoCategory category,
                bool hasData) {
  if (hasData) {
    AppendEntries(out, results, category);
  } else {
    out += kNoData;
  }
}

// The report belongs in the working directory. A selected item's text with a
// path separator would send it elsewhere, and a colon would name a drive or
// a hidden stream of another file on Windows; such a name is treated like
// any other name that cannot be created.
bool IsBareFileName(const std::wstring& name) {
  return name.find_first_of(std::wstring_view(L"\\/:\0", 4)) == std::wstring::npos;
}

std::wstring WriteFailedMessage(const std::wstring& fullPath) {
  std::wstring message(kWriteFailed);
  message.replace(message.find(L"%1"), 2, fullPath);
  return message;
}

}  // namespace

std::wstring ReportFileName(const std::optional<std::wstring>& selectedItem) {
  if (!selectedItem) return L"Velotrace Inspector summary.txt";
  return L"Velotrace Inspector summary for " + *selectedItem + L".txt";
}

std::wstring FormatReportDate(platform::LocalDate date) {
  std::wstring out =
      date.month >= 1 && date.month <= 12 ? std::wstring(kMonths[static_cast<std::size_t>(date.month - 1)]) : L"?";
  out += L' ';
  if (date.day >= 0 && date.day < 10) out += L'0';
  out += std::to_wstring(date.day);
  out += L", ";
  out += std::to_wstring(date.year);
  return out;
}

std::wstring SummaryReportText(const OwningList<SystemInfoResults>& results, bool systemInfoCollected,
                               const std::optional<std::wstring>& selectedItem, platform::LocalDate date) {
  constexpr std::size_t kRule = 17;
  constexpr std::size_t kLongRule = 32;
  std::wstring out = L"Velotrace Inspector Summary Report\n";
  out += FormatReportDate(date);
  out += L"\n\n";

  AppendHead(out, kRule, L"Hardware profile");
  AppendBody(out, results, CategoryHardware, systemInfoCollected);
  AppendHead(out, kRule, L"OS profile");
  AppendBody(out, results, CategoryOperatingSystem, systemInfoCollected);
  AppendHead(out, kRule, L"Velotrace profile");
  AppendBody(out, results, CategoryProduct, HasRecordOf(results, CategoryProduct));
  if (selectedItem && IsAddInEdition(*selectedItem)) {
    AppendHead(out, kLongRule, L"Velotrace for SOLIDWORKS profile");
    AppendBody(out, results, CategoryAddIn, HasRecordOf(results, CategoryAddIn));
  }
  return out;
}

ReportBytes EncodeReportText(std::wstring_view text) {
  ReportBytes out;
  out.bytes.reserve(text.size() + text.size() / 8);
  for (const wchar_t c : text) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code > 0xFF) {
      out.complete = false;
      break;
    }
    if (c == L'\n') out.bytes += '\r';
    out.bytes += static_cast<char>(static_cast<unsigned char>(code));
  }
  return out;
}

ReportOutcome WriteSummaryReport(const OwningList<SystemInfoResults>& results, bool systemInfoCollected,
                                 const std::optional<std::wstring>& selectedItem, platform::Clock& clock,
                                 platform::OutputFiles& files) {
  const std::wstring name = ReportFileName(selectedItem);
  const platform::LocalDate today = clock.Today();
  const std::unique_ptr<platform::OutputFile> file = IsBareFileName(name) ? files.Create(name) : nullptr;
  if (!file) return ReportOutcome{false, std::wstring(kCreateFailed)};

  // What can be stored is written even when the text goes on beyond it, so
  // that the file holds the report up to the character that stopped it.
  const ReportBytes report = EncodeReportText(SummaryReportText(results, systemInfoCollected, selectedItem, today));
  const bool written = file->Write(report.bytes) && report.complete;
  const bool closed = file->Close();
  if (!written || !closed) return ReportOutcome{false, WriteFailedMessage(files.FullPath(name))};
  return ReportOutcome{true, std::wstring(kReportCreated)};
}

}  // namespace report

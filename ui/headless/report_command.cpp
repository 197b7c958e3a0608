#include "ui/headless/report_command.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "app/veloinspect_dlg.h"
#include "base/text.h"
#include "base/utf.h"
#include "platform/platform.h"
#include "report/summary_report.h"
#include "ui/headless/console_text.h"
#include "ui/headless/headless_view.h"

namespace ui::headless {

namespace {

const wchar_t* const kUsage =
    L"Usage: %PROGRAM% [--version NAME] [--output DIR] [--list] [--help]\n"
    L"\n"
    L"Writes the Velotrace Inspector summary report without opening a window:\n"
    L"reads config.xml beside the program, finds the installed Velotrace versions,\n"
    L"collects the chosen version's settings and the system information, and\n"
    L"writes \"Velotrace Inspector summary for <version>.txt\" - the same file, byte\n"
    L"for byte, that the windowed program's \"Create report\" writes.\n"
    L"\n"
    L"  --version NAME  the installed version to report on, as the version list\n"
    L"                  names it (letter case does not matter); by default the\n"
    L"                  last installed version\n"
    L"  --output DIR    the folder to write the report into; by default the\n"
    L"                  current directory\n"
    L"  --list          list the installed versions (* marks the default) and stop\n"
    L"  --help          show this text and stop\n"
    L"\n"
    L"Problems are reported on standard error. The exit status is 0 when the\n"
    L"report was written, 1 when it was not, and 2 for a wrong command line.";

// The diagnostics of reading config.xml go to standard error, so that
// standard output holds only what the command itself says.
class StderrConsole final : public platform::Console {
 public:
  void Print(const std::wstring& text) override {
    const std::string bytes = text::ToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  }
};

struct Options {
  std::optional<std::wstring> version;
  std::optional<std::wstring> output;
  bool list = false;
  bool help = false;
};

std::optional<Options> ParseArguments(const std::vector<std::wstring>& arguments, std::wstring& error) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& argument = arguments[i];
    auto value = [&](const std::wstring& name, std::optional<std::wstring>& into) {
      const std::wstring prefix = name + L"=";
      if (argument.rfind(prefix, 0) == 0) {
        into = argument.substr(prefix.size());
      } else if (i + 1 < arguments.size()) {
        into = arguments[++i];
      } else {
        error = name + L" needs a value";
      }
    };
    if (argument == L"--help" || argument == L"-h") {
      options.help = true;
    } else if (argument == L"--list") {
      options.list = true;
    } else if (argument == L"--version" || argument.rfind(L"--version=", 0) == 0) {
      value(L"--version", options.version);
    } else if (argument == L"--output" || argument.rfind(L"--output=", 0) == 0) {
      value(L"--output", options.output);
    } else {
      error = L"unknown argument: " + argument;
    }
    if (!error.empty()) return std::nullopt;
  }
  return options;
}

std::wstring Usage(const std::wstring& programName) {
  std::wstring usage = kUsage;
  const std::wstring placeholder = L"%PROGRAM%";
  usage.replace(usage.find(placeholder), placeholder.size(), programName);
  return usage;
}

int Fail(const std::wstring& programName, const std::wstring& message) {
  WriteLine(stderr, programName + L": " + message);
  return kExitFailure;
}

}  // namespace

int RunReportCommand(const std::wstring& programName, const std::vector<std::wstring>& arguments,
                     std::uintptr_t nativeWindow) {
  std::wstring error;
  const std::optional<Options> options = ParseArguments(arguments, error);
  if (!options) {
    WriteLine(stderr, programName + L": " + error);
    WriteLine(stderr, Usage(programName));
    return kExitUsage;
  }
  if (options->help) {
    WriteLine(stdout, Usage(programName));
    return kExitOk;
  }

  const auto host = platform::CreateHostPlatform();
  platform::Platform& machine = host->Get();
  StderrConsole console;
  const platform::Platform platform{machine.xml,      machine.process, console,         machine.registry,
                                    machine.files,    machine.versions, machine.wmi,    machine.cpu,
                                    machine.memory,   machine.security, machine.display, machine.opengl,
                                    machine.opencl,   machine.clock,    machine.outputs};
  HeadlessMainDialog view(nativeWindow);
  CVeloInspectDlg dialog(platform, view);

  // The same start as the window's: config.xml, the versions, the product
  // settings of the last installed one. A missing config.xml has already
  // been reported.
  dialog.OnInitDialog();
  if (view.Ended()) return kExitFailure;

  const MemoryComboBox& selector = view.Selector();
  if (options->list) {
    for (int i = 0; i < selector.GetCount(); ++i) {
      WriteLine(stdout, (i == selector.GetCurSel() ? L"* " : L"  ") + selector.GetItemText(i));
    }
    return kExitOk;
  }

  if (options->version) {
    int chosen = -1;
    for (int i = 0; i < selector.GetCount() && chosen < 0; ++i) {
      if (text::LowerAscii(selector.GetItemText(i)) == text::LowerAscii(*options->version)) chosen = i;
    }
    if (chosen < 0) {
      std::wstring installed;
      for (int i = 0; i < selector.GetCount(); ++i) installed += (i ? L", " : L"") + selector.GetItemText(i);
      return Fail(programName, L"no installed Velotrace version is named \"" + *options->version + L"\" (installed: " +
                                   (installed.empty() ? L"none" : installed) + L")");
    }
    if (chosen != selector.GetCurSel()) {
      view.VersionSelector().SetCurSel(chosen);
      dialog.OnVersionSelected();
    }
  }

  dialog.OnSysInfo();

  if (options->output) {
    std::error_code failed;
    std::filesystem::current_path(std::filesystem::path(*options->output), failed);
    if (failed) return Fail(programName, L"cannot write into " + *options->output);
  }
  const int rowsBefore = view.Status().GetItemCount();
  dialog.OnCreateReport();
  const int rows = view.Status().GetItemCount();
  if (rows == rowsBefore || view.Status().StatusText(rows - 1) != L"Summary report created") {
    return Fail(programName, L"the report was not written");
  }
  const int selected = selector.GetCurSel();
  const std::optional<std::wstring> item =
      selected < 0 ? std::nullopt : std::optional<std::wstring>(selector.GetItemText(selected));
  WriteLine(stdout, machine.outputs.FullPath(report::ReportFileName(item)));
  return kExitOk;
}

}  // namespace ui::headless

// veloinspect-report for Linux. OpenGL needs no window here.
#include <string>
#include <vector>

#include "base/utf.h"
#include "ui/headless/report_command.h"

int main(int argc, char* argv[]) {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(text::FromUtf8(argv[i]));
  return ui::headless::RunReportCommand(L"veloinspect-report", arguments, 0);
}

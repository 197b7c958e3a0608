// veloinspect-report for Linux. OpenGL needs no window here.
#include <string>
#include <vector>

#include "platform/linux/utf8.h"
#include "ui/headless/report_command.h"

int main(int argc, char* argv[]) {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(platform::linux_backend::FromUtf8(argv[i]));
  return ui::headless::RunReportCommand(L"veloinspect-report", arguments, 0);
}

// veloinspect-report: the journey of the windowed program without a window.
// It reads the same config.xml, discovers the versions, collects the product
// settings and the system information, and writes the same report file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui::headless {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// `arguments` without the program's name; `nativeWindow` as for
// HeadlessMainDialog. Returns the process's exit status.
int RunReportCommand(const std::wstring& programName, const std::vector<std::wstring>& arguments,
                     std::uintptr_t nativeWindow);

}  // namespace ui::headless

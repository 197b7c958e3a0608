// The stored reports of tests/data/reports/ and the model of the common run,
// shared by the tests that write a report through fakes and through the
// machine's real files.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/sys_info.h"

namespace report_golden {

inline std::filesystem::path GoldenPath(const std::string& name) {
  return std::filesystem::path(VELOINSPECT_SOURCE_DIR) / "tests" / "data" / "reports" / (name + ".txt");
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Results of every category, appended interleaved as collections do, so
// that each section must pick its own records out of the one list.
inline void FillEveryCategory(CSysInfo& m) {
  m.AddResult(L"Processor", L"Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz", CategoryHardware);
  m.AddResult(L"Version", L"24.0.1.512", CategoryProduct);
  m.AddResult(L"Memory", L"16 GB", CategoryHardware);
  m.AddResult(L"vtsw.dll", L"24.0.0.77", CategoryAddIn);
  m.AddResult(L"Operating System", L"Microsoft Windows 10 Pro", CategoryOperatingSystem);
  m.AddResult(L"Install directory", L"C:\\Program Files\\Brennick\\Velotrace 2024\\", CategoryProduct);
  m.AddResult(L"Administrator", L"Yes", CategoryOperatingSystem);
  m.AddResult(L"vtswui.dll", L"24.0.0.78", CategoryAddIn);
}

}  // namespace report_golden

// Records what a collection does to the main window.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "model/main_window_services.h"

namespace fakes {

class RecordingWindow final : public MainWindowServices {
 public:
  using Result = std::tuple<std::wstring, std::wstring, InfoCategory>;
  std::wstring selectedText = L"None";
  std::vector<std::wstring> progress;
  std::vector<std::wstring> statusChanges;  // "reset:..." and "finish:..."
  std::vector<Result> results;

  void ShowProgress(std::wstring d) override { progress.push_back(std::move(d)); }
  void ResetStatus(std::wstring d) override { statusChanges.push_back(L"reset:" + d); }
  void FinishStatus(std::wstring d) override { statusChanges.push_back(L"finish:" + d); }
  std::wstring GetSelectedVersionText() const override { return selectedText; }
  void AddResult(std::wstring d, std::wstring v, InfoCategory c) override { results.emplace_back(d, v, c); }
};

}  // namespace fakes

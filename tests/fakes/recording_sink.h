// Records what a collection reports while it runs.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "model/notifier.h"

namespace fakes {

class RecordingSink final : public CollectionSink {
 public:
  using Result = std::tuple<std::wstring, std::wstring, InfoCategory>;
  std::vector<std::wstring> progress;
  std::vector<std::wstring> statusChanges;  // "reset:..." and "finish:..."
  std::vector<Result> results;
  std::vector<std::wstring> notices;

  void ShowProgress(std::wstring d) override { progress.push_back(std::move(d)); }
  void ResetStatus(std::wstring d) override { statusChanges.push_back(L"reset:" + d); }
  void FinishStatus(std::wstring d) override { statusChanges.push_back(L"finish:" + d); }
  void AddResult(std::wstring d, std::wstring v, InfoCategory c) override { results.emplace_back(d, v, c); }
  void Notify(const std::wstring& message) override { notices.push_back(message); }
};

}  // namespace fakes

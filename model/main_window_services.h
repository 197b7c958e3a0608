// The main window's operations that the collections call while they run:
// the status list's progress rows, the selected version's text and the one
// way a result is added.
#pragma once

#include <string>

#include "model/sys_info.h"

class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;
  virtual void ShowProgress(std::wstring description) = 0;
  virtual void ResetStatus(std::wstring description) = 0;
  virtual void FinishStatus(std::wstring description) = 0;
  virtual std::wstring GetSelectedVersionText() const = 0;
  virtual void AddResult(std::wstring display, std::wstring value, InfoCategory category) = 0;
};

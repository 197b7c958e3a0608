// How the collections and probes reach the person who runs them without
// knowing a window: messages to show, the steps of a collection on the status
// row, and every result found. The main dialog implements these over its
// message boxes, its status list and its model; tests record them.
#pragma once

#include <string>

#include "model/sys_info.h"

// A message for the user, shown at once; the collection goes on after it.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void Notify(const std::wstring& message) = 0;
};

// What a collection reports while it runs, in the order it happens.
class CollectionSink : public Notifier {
 public:
  virtual void ShowProgress(std::wstring description) = 0;
  virtual void ResetStatus(std::wstring description) = 0;
  virtual void FinishStatus(std::wstring description) = 0;
  virtual void AddResult(std::wstring display, std::wstring value, InfoCategory category) = 0;
};

// The Linux stand-in for the management service: answers the core's WQL
// statements from the classes it is given, refusing what the service would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/linux/wmi/wmi_class.h"
#include "platform/wmi.h"

namespace platform::linux_backend::wmi {

class WqlEngine final : public platform::Wmi {
 public:
  explicit WqlEngine(std::vector<std::unique_ptr<WmiClass>> classes);

  // A statement that does not parse, names a class the engine does not
  // serve, or selects or tests a property its class lacks is refused with
  // WmiFailure::Query. Otherwise every instance that satisfies the condition,
  // in the class's order, gives the value of `property` (NULL when it holds
  // none); a property that the class lacks or the statement does not select
  // gives no values at all, as reading it fails on every instance.
  WmiAnswer Query(const std::wstring& statement, const std::wstring& property) override;

 private:
  WmiAnswer Answer(const std::wstring& statement, const std::wstring& property) const;

  std::vector<std::unique_ptr<WmiClass>> classes_;
};

}  // namespace platform::linux_backend::wmi

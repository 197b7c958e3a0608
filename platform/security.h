// Whether the user runs the program with administrator rights.
#pragma once

namespace platform {

class Security {
 public:
  virtual ~Security() = default;
  // False whenever the question cannot be answered.
  virtual bool IsUserAdministrator() = 0;
};

}  // namespace platform

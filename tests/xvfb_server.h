// A private X server for tests: Xvfb on a display number of its own, and the
// RandR changes the display tests make to it. No X header leaks from here,
// so that the X macros stay away from the tests.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace testing_support {

class XvfbServer {
 public:
  // Starts Xvfb with one 1024x768 screen and waits until it takes
  // connections. -noreset keeps the properties tests set when their
  // connections close. `extraArguments` go to Xvfb as well, such as
  // {"-extension", "RANDR"} for a server without RandR.
  explicit XvfbServer(const std::vector<std::string>& extraArguments = {});
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;
  ~XvfbServer();

  // False when Xvfb is not installed; `Failure` tells what else went wrong.
  bool Installed() const { return installed_; }
  bool Running() const { return !name_.empty(); }
  const std::string& Failure() const { return failure_; }
  // The display name, such as ":3".
  const std::string& Name() const { return name_; }

  // Sets the "EDID" property of the screen's first output.
  bool SetEdid(std::span<const std::uint8_t> edid);
  // Adds a monitor that covers the rectangle and holds no output.
  bool AddMonitor(int x, int y, int width, int height);

 private:
  bool installed_ = true;
  pid_t pid_ = -1;
  std::string name_;
  std::string failure_;
};

}  // namespace testing_support

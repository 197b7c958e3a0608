// The bundle of interfaces through which the core reaches the machine. The
// program makes the host bundle once; tests hand the core fakes instead.
#pragma once

#include <memory>

#include "platform/process.h"
#include "platform/xml_reader.h"

namespace platform {

struct Platform {
  XmlFactory& xml;
  Process& process;
  Console& console;
};

// Owns the backends of the machine the program runs on.
class HostPlatform {
 public:
  virtual ~HostPlatform() = default;
  virtual Platform& Get() = 0;
};

std::unique_ptr<HostPlatform> CreateHostPlatform();

}  // namespace platform

// The bundle of interfaces through which the core reaches the machine. The
// program makes the host bundle once; tests hand the core fakes instead.
#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/cpu.h"
#include "platform/display.h"
#include "platform/file_system.h"
#include "platform/memory.h"
#include "platform/opencl.h"
#include "platform/opengl.h"
#include "platform/output_file.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/security.h"
#include "platform/version_info.h"
#include "platform/wmi.h"
#include "platform/xml_reader.h"

namespace platform {

struct Platform {
  XmlFactory& xml;
  Process& process;
  Console& console;
  Registry& registry;
  FileSystem& files;
  VersionResources& versions;
  Wmi& wmi;
  Cpu& cpu;
  Memory& memory;
  Security& security;
  Display& display;
  OpenGL& opengl;
  OpenCL& opencl;
  Clock& clock;
  OutputFiles& outputs;
};

// Owns the backends of the machine the program runs on.
class HostPlatform {
 public:
  virtual ~HostPlatform() = default;
  virtual Platform& Get() = 0;
};

std::unique_ptr<HostPlatform> CreateHostPlatform();

}  // namespace platform

// The OpenGL and OpenCL probes: one driver string per declared entry through
// a fresh rendering context, and three questions about the OpenCL runtime.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/opencl.h"
#include "platform/opengl.h"
#include "platform/version_info.h"
#include "model/notifier.h"

struct OpenGLProbe {
  platform::OpenGL& opengl;
  std::uintptr_t window;  // the main window's native handle
};

// The driver's string for the enumerant the key names; "Yes"/"No" for the
// extension list, which goes to `extensions` instead; "?" on any failure.
std::wstring GetOpenGLString(const OpenGLProbe& probe, CollectionSink& sink, const std::wstring& valueKey,
                             std::wstring& extensions);

enum OpenCLDeviceKind : std::int32_t { GpuDedicatedMemory = 0, GpuUnifiedMemory = 1, CpuDevice = 2, OtherDevice = 3 };

struct OpenCLDevice {
  std::string platformName;
  std::string deviceName;
  std::int32_t kind = OtherDevice;
  std::int32_t versionMajor = 0;
  std::int32_t versionMinor = 0;
  bool doubleSupport = false;
};

struct OpenCLVersion {
  std::int32_t major = 0;
  std::int32_t minor = 0;
};

// The numbers of a CL_DEVICE_VERSION text ("OpenCL 3.0 PoCL ..."); nullopt
// for a text without a space and a point after it, or without digits where
// the numbers stand.
std::optional<OpenCLVersion> ParseOpenCLVersion(const std::string& text);

bool IsOpenCLLoadable(platform::OpenCL& opencl);
std::wstring GetOpenCLDllVersion(platform::VersionResources& resources);
std::vector<OpenCLDevice> EnumerateOpenCLDevices(platform::OpenCL& opencl);
std::wstring GetOpenCLInfo(platform::OpenCL& opencl, platform::VersionResources& resources, const std::wstring& valueKey);

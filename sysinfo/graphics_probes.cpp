#include "sysinfo/graphics_probes.h"

#include <array>
#include <cstring>

#include "readers/version_resource.h"
#include "sysinfo/value_shaping.h"

namespace {

constexpr std::uint32_t kGlExtensions = 0x1F03;

constexpr std::uint64_t kDeviceTypeCpu = 2;
constexpr std::uint64_t kDeviceTypeGpu = 4;
constexpr std::uint64_t kDeviceTypeAll = 0xFFFFFFFF;
constexpr std::uint32_t kPlatformName = 0x0902;
constexpr std::uint32_t kDeviceType = 0x1000;
constexpr std::uint32_t kDeviceDoubleWidth = 0x100B;
constexpr std::uint32_t kDeviceName = 0x102B;
constexpr std::uint32_t kDeviceVersion = 0x102F;
constexpr std::uint32_t kDeviceHostUnifiedMemory = 0x1035;
// Ids held at a time, and the size of every text asked, terminator included.
constexpr std::uint32_t kMaxIds = 512;
constexpr std::size_t kTextBytes = 256;

const wchar_t* FailureText(platform::GlFailure failure) {
  switch (failure) {
    case platform::GlFailure::DeviceContext: return L"ERROR - Obtaining Device Context!";
    case platform::GlFailure::ChoosePixelFormat: return L"ERROR - Choosing Pixel Format!";
    case platform::GlFailure::SetPixelFormat: return L"ERROR - Setting Pixel Format!";
    case platform::GlFailure::CreateContext: return L"ERROR - Creating OpenGL Rendering Context!";
    case platform::GlFailure::MakeCurrent: return L"ERROR - Setting OpenGL Rendering context to Device Context!";
    case platform::GlFailure::None: break;
  }
  return L"";
}

// A text of at most 255 bytes and its terminator; a longer one fails.
bool QueryText(platform::OpenCL& opencl, bool device, platform::ClId id, std::uint32_t name, std::string& out) {
  std::array<char, kTextBytes> buffer{};
  std::size_t size = 0;
  const std::int32_t status = device ? opencl.GetDeviceInfo(id, name, buffer.size(), buffer.data(), &size)
                                     : opencl.GetPlatformInfo(id, name, buffer.size(), buffer.data(), &size);
  if (status != 0) return false;
  buffer.back() = '\0';
  out.assign(buffer.data(), strnlen(buffer.data(), buffer.size()));
  return true;
}

template <typename T>
bool QueryNumber(platform::OpenCL& opencl, platform::ClId device, std::uint32_t name, T& out) {
  T value{};
  if (opencl.GetDeviceInfo(device, name, sizeof value, &value, nullptr) != 0) return false;
  out = value;
  return true;
}

bool AtLeast12(std::int32_t major, std::int32_t minor) { return major > 1 || (major == 1 && minor >= 2); }

std::optional<OpenCLDevice> ReadDevice(platform::OpenCL& opencl, platform::ClId id, const std::string& platformName) {
  OpenCLDevice device;
  device.platformName = platformName;
  std::string versionText;
  if (!QueryText(opencl, true, id, kDeviceVersion, versionText)) return std::nullopt;
  // A version text that does not have the standard's form says nothing
  // reliable about the device, which is then left out.
  const std::optional<OpenCLVersion> version = ParseOpenCLVersion(versionText);
  if (!version) return std::nullopt;
  device.versionMajor = version->major;
  device.versionMinor = version->minor;
  std::uint32_t doubleWidth = 0;
  if (!QueryNumber(opencl, id, kDeviceDoubleWidth, doubleWidth)) return std::nullopt;
  device.doubleSupport = doubleWidth > 0;
  std::uint64_t type = 0;
  if (!QueryNumber(opencl, id, kDeviceType, type)) return std::nullopt;
  if (type == kDeviceTypeCpu) {
    device.kind = CpuDevice;
  } else if (type == kDeviceTypeGpu) {
    if (AtLeast12(device.versionMajor, device.versionMinor)) {
      std::uint32_t unified = 0;
      if (!QueryNumber(opencl, id, kDeviceHostUnifiedMemory, unified)) return std::nullopt;
      device.kind = unified ? GpuUnifiedMemory : GpuDedicatedMemory;
    } else {
      device.kind = GpuDedicatedMemory;
    }
  }
  if (!QueryText(opencl, true, id, kDeviceName, device.deviceName)) return std::nullopt;
  return device;
}

}  // namespace

std::wstring GetOpenGLString(const OpenGLProbe& probe, CollectionSink& sink, const std::wstring& valueKey,
                             std::wstring& extensions) {
  sink.ShowProgress(L"Hardware");
  const auto name = static_cast<std::uint32_t>(ReadLeadingInteger(valueKey));
  const platform::GlAnswer answer = probe.opengl.GetString(probe.window, name);
  if (answer.failure != platform::GlFailure::None) {
    sink.Notify(FailureText(answer.failure));
    return L"?";
  }
  if (answer.error != 0) return L"?";
  if (name == kGlExtensions) {
    extensions = answer.text.value_or(L"");
    return extensions.empty() ? L"No" : L"Yes";
  }
  return answer.text.value_or(L"");
}

std::optional<OpenCLVersion> ParseOpenCLVersion(const std::string& text) {
  const std::size_t space = text.find(' ');
  if (space == std::string::npos) return std::nullopt;
  const std::size_t point = text.find('.', space + 1);
  if (point == std::string::npos || point == space + 1) return std::nullopt;
  OpenCLVersion version;
  const std::size_t majorDigits = point - space - 1;
  if (majorDigits > 4) return std::nullopt;
  for (std::size_t i = space + 1; i < point; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    version.major = version.major * 10 + (text[i] - '0');
  }
  // The minor number starts right after the point and is read with as many
  // characters as the major one has; it must begin with a digit.
  const std::size_t minorStart = point + 1;
  if (minorStart >= text.size() || text[minorStart] < '0' || text[minorStart] > '9') return std::nullopt;
  for (std::size_t i = minorStart; i < text.size() && i < minorStart + majorDigits; ++i) {
    if (text[i] < '0' || text[i] > '9') break;
    version.minor = version.minor * 10 + (text[i] - '0');
  }
  return version;
}

bool IsOpenCLLoadable(platform::OpenCL& opencl) { return opencl.Load(); }

std::wstring GetOpenCLDllVersion(platform::VersionResources& resources) {
  VersionResourceInfo info;
  if (!ReadVersionResource(resources, L"OpenCL.dll", info)) return L"Not found";
  return FormatFileVersion(info);
}

std::vector<OpenCLDevice> EnumerateOpenCLDevices(platform::OpenCL& opencl) {
  std::vector<OpenCLDevice> devices;
  std::uint32_t platformCount = 0;
  if (opencl.GetPlatformIDs(0, nullptr, &platformCount) != 0 || platformCount == 0) return devices;
  std::vector<platform::ClId> platforms(std::min(platformCount, kMaxIds));
  if (opencl.GetPlatformIDs(static_cast<std::uint32_t>(platforms.size()), platforms.data(), nullptr) != 0) return devices;
  for (const platform::ClId platform : platforms) {
    std::uint32_t deviceCount = 0;
    if (opencl.GetDeviceIDs(platform, kDeviceTypeAll, 0, nullptr, &deviceCount) != 0 || deviceCount == 0) continue;
    std::vector<platform::ClId> ids(std::min(deviceCount, kMaxIds));
    if (opencl.GetDeviceIDs(platform, kDeviceTypeAll, static_cast<std::uint32_t>(ids.size()), ids.data(), nullptr) != 0) {
      continue;
    }
    std::string platformName;
    if (!QueryText(opencl, false, platform, kPlatformName, platformName)) continue;
    for (const platform::ClId id : ids) {
      if (std::optional<OpenCLDevice> device = ReadDevice(opencl, id, platformName)) devices.push_back(std::move(*device));
    }
  }
  return devices;
}

std::wstring GetOpenCLInfo(platform::OpenCL& opencl, platform::VersionResources& resources, const std::wstring& valueKey) {
  if (valueKey == L"OpenCLLoadedStatus") return IsOpenCLLoadable(opencl) ? L"Yes" : L"No";
  if (valueKey == L"OpenCLVersion") return GetOpenCLDllVersion(resources);
  if (valueKey == L"OpenCLGPUStatus") {
    for (const OpenCLDevice& device : EnumerateOpenCLDevices(opencl)) {
      if (device.kind == GpuDedicatedMemory && AtLeast12(device.versionMajor, device.versionMinor)) return L"Yes";
    }
    return L"No";
  }
  return std::wstring();
}

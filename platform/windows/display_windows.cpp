#include "platform/windows/display_windows.h"

#include <windows.h>

#include <cwchar>
#include <iterator>
#include <vector>

namespace platform::windows_backend {

namespace {

// The configuration can change between asking for its size and reading it;
// a read that no longer fits is tried again with the new size a few times.
constexpr int kReadAttempts = 4;

BOOL CALLBACK AddMonitorSize(HMONITOR, HDC, LPRECT rect, LPARAM sizes) {
  reinterpret_cast<std::vector<MonitorSize>*>(sizes)->push_back(
      MonitorSize{rect->right - rect->left, rect->bottom - rect->top});
  return TRUE;
}

bool ReadModes(std::vector<DISPLAYCONFIG_MODE_INFO>& modes) {
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    UINT32 pathCount = 0;
    UINT32 modeCount = 0;
    if (GetDisplayConfigBufferSizes(QDC_ALL_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS) return false;
    std::vector<DISPLAYCONFIG_PATH_INFO> paths(pathCount);
    modes.assign(modeCount, DISPLAYCONFIG_MODE_INFO{});
    const LONG status = QueryDisplayConfig(QDC_ALL_PATHS, &pathCount, paths.data(), &modeCount, modes.data(), nullptr);
    if (status == ERROR_SUCCESS) {
      modes.resize(modeCount);
      return true;
    }
    if (status != ERROR_INSUFFICIENT_BUFFER) return false;
  }
  return false;
}

std::wstring TargetName(const DISPLAYCONFIG_MODE_INFO& mode) {
  DISPLAYCONFIG_TARGET_DEVICE_NAME name{};
  name.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_TARGET_NAME;
  name.header.size = sizeof name;
  name.header.adapterId = mode.adapterId;
  name.header.id = mode.id;
  if (DisplayConfigGetDeviceInfo(&name.header) != ERROR_SUCCESS) return std::wstring();
  const std::size_t length = wcsnlen(name.monitorFriendlyDeviceName, std::size(name.monitorFriendlyDeviceName));
  return std::wstring(name.monitorFriendlyDeviceName, length);
}

}  // namespace

std::vector<MonitorSize> Win32Display::MonitorSizes() {
  std::vector<MonitorSize> sizes;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitorSize, reinterpret_cast<LPARAM>(&sizes));
  return sizes;
}

std::vector<std::wstring> Win32Display::MonitorNames() {
  std::vector<std::wstring> names;
  std::vector<DISPLAYCONFIG_MODE_INFO> modes;
  if (!ReadModes(modes)) return names;
  for (const DISPLAYCONFIG_MODE_INFO& mode : modes) {
    if (mode.infoType == DISPLAYCONFIG_MODE_INFO_TYPE_TARGET) names.push_back(TargetName(mode));
  }
  return names;
}

}  // namespace platform::windows_backend

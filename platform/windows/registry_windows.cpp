#include "platform/windows/registry_windows.h"

#include <windows.h>

namespace platform::windows_backend {

namespace {

HKEY ToHandle(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

REGSAM Access(RegistryView view) { return KEY_READ | (view == RegistryView::Wow64_32 ? KEY_WOW64_32KEY : 0); }

long Open(HKEY parent, const std::wstring& path, RegistryView view, RegistryKey& key) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExW(parent, path.c_str(), 0, Access(view), &opened);
  key = status == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : kNoKey;
  return status;
}

}  // namespace

long Win32Registry::OpenKey(RegistryRoot root, const std::wstring& path, RegistryView view, RegistryKey& key) {
  return Open(root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, path, view, key);
}

long Win32Registry::OpenSubKey(RegistryKey parent, const std::wstring& path, RegistryView view, RegistryKey& key) {
  return Open(ToHandle(parent), path, view, key);
}

long Win32Registry::CloseKey(RegistryKey key) { return RegCloseKey(ToHandle(key)); }

long Win32Registry::EnumKey(RegistryKey key, std::uint32_t index, std::size_t maxChars, std::wstring& name,
                            FileTime& lastWrite) {
  std::wstring buffer(maxChars, L'\0');
  DWORD length = static_cast<DWORD>(maxChars);
  FILETIME written{};
  const LSTATUS status = RegEnumKeyExW(ToHandle(key), index, buffer.data(), &length, nullptr, nullptr, nullptr, &written);
  if (status == ERROR_SUCCESS) {
    buffer.resize(length);
    name = std::move(buffer);
    lastWrite = (static_cast<FileTime>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
  }
  return status;
}

long Win32Registry::QueryValue(RegistryKey key, const std::wstring& name, std::size_t maxBytes,
                               std::vector<std::uint8_t>& data, std::uint32_t& type) {
  data.assign(maxBytes, 0);
  DWORD size = static_cast<DWORD>(maxBytes);
  DWORD valueType = REG_NONE;
  const LSTATUS status = RegQueryValueExW(ToHandle(key), name.c_str(), nullptr, &valueType, data.data(), &size);
  if (status != ERROR_SUCCESS) {
    data.clear();
    return status;
  }
  data.resize(size);
  type = valueType;
  return status;
}

}  // namespace platform::windows_backend

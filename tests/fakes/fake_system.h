// In-memory stand-ins for WMI and the machine's probes.
#pragma once

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/cpu.h"
#include "platform/display.h"
#include "platform/memory.h"
#include "platform/opencl.h"
#include "platform/opengl.h"
#include "platform/security.h"
#include "platform/wmi.h"

namespace fakes {

// Answers by (statement, property); anything not set gives no value.
class FakeWmi final : public platform::Wmi {
 public:
  std::map<std::pair<std::wstring, std::wstring>, platform::WmiAnswer> answers;
  std::vector<std::pair<std::wstring, std::wstring>> asked;

  void Set(const std::wstring& statement, const std::wstring& property, std::vector<platform::WmiValue> values) {
    answers[{statement, property}] = platform::WmiAnswer{platform::WmiFailure::None, std::move(values)};
  }
  void Fail(const std::wstring& statement, const std::wstring& property, platform::WmiFailure failure) {
    answers[{statement, property}] = platform::WmiAnswer{failure, {}};
  }
  platform::WmiAnswer Query(const std::wstring& statement, const std::wstring& property) override {
    asked.emplace_back(statement, property);
    const auto it = answers.find({statement, property});
    return it == answers.end() ? platform::WmiAnswer{} : it->second;
  }
};

inline std::vector<platform::WmiValue> Strings(std::initializer_list<const wchar_t*> texts) {
  std::vector<platform::WmiValue> values;
  for (const wchar_t* t : texts) values.push_back(platform::WmiValue::String(t));
  return values;
}

class FakeCpu final : public platform::Cpu {
 public:
  std::optional<platform::CpuFeatureBits> bits;
  std::optional<platform::CpuFeatureBits> FeatureBits() override { return bits; }
};

class FakeMemory final : public platform::Memory {
 public:
  std::uint32_t load = 37;
  int reads = 0;
  std::uint32_t MemoryLoad() override {
    ++reads;
    return load;
  }
};

class FakeSecurity final : public platform::Security {
 public:
  bool administrator = false;
  bool IsUserAdministrator() override { return administrator; }
};

class FakeDisplay final : public platform::Display {
 public:
  std::vector<platform::MonitorSize> sizes;
  std::vector<std::wstring> names;
  std::vector<platform::MonitorSize> MonitorSizes() override { return sizes; }
  std::vector<std::wstring> MonitorNames() override { return names; }
};

class FakeOpenGL final : public platform::OpenGL {
 public:
  std::map<std::uint32_t, std::wstring> strings;  // a name not here is a driver error
  platform::GlFailure failure = platform::GlFailure::None;
  std::vector<std::uintptr_t> windows;
  platform::GlAnswer GetString(std::uintptr_t window, std::uint32_t name) override {
    windows.push_back(window);
    platform::GlAnswer answer;
    answer.failure = failure;
    if (failure != platform::GlFailure::None) return answer;
    const auto it = strings.find(name);
    if (it == strings.end()) {
      answer.error = 0x0500;  // GL_INVALID_ENUM
    } else {
      answer.text = it->second;
    }
    return answer;
  }
};

// Platforms and devices described by their answers.
class FakeOpenCL final : public platform::OpenCL {
 public:
  struct Device {
    std::string version = "OpenCL 1.2 ";
    std::uint64_t type = 4;
    std::uint32_t unified = 0;
    std::uint32_t doubleWidth = 1;
    std::string name = "GPU";
    std::uint32_t failing = 0;  // a query that fails for this device
  };
  struct Platform {
    std::string name = "Platform";
    std::vector<Device> devices;
    bool nameFails = false;
  };
  bool loadable = true;
  std::vector<Platform> platforms;
  std::vector<std::uint32_t> asked;  // device queries, in order

  bool Load() override { return loadable; }
  std::int32_t GetPlatformIDs(std::uint32_t entries, platform::ClId* ids, std::uint32_t* count) override {
    if (!loadable) return -1001;
    if (count) *count = static_cast<std::uint32_t>(platforms.size());
    for (std::uint32_t i = 0; ids && i < entries && i < platforms.size(); ++i) ids[i] = Id(i, 0xFFFF);
    return 0;
  }
  std::int32_t GetPlatformInfo(platform::ClId id, std::uint32_t, std::size_t size, void* value, std::size_t* returned) override {
    const Platform& p = platforms[PlatformOf(id)];
    if (p.nameFails) return -30;
    return Text(p.name, size, value, returned);
  }
  std::int32_t GetDeviceIDs(platform::ClId id, std::uint64_t, std::uint32_t entries, platform::ClId* ids,
                            std::uint32_t* count) override {
    const std::size_t p = PlatformOf(id);
    if (platforms[p].devices.empty()) return -1;  // CL_DEVICE_NOT_FOUND
    if (count) *count = static_cast<std::uint32_t>(platforms[p].devices.size());
    for (std::uint32_t i = 0; ids && i < entries && i < platforms[p].devices.size(); ++i) ids[i] = Id(p, i);
    return 0;
  }
  std::int32_t GetDeviceInfo(platform::ClId id, std::uint32_t name, std::size_t size, void* value, std::size_t* returned) override {
    asked.push_back(name);
    const auto raw = reinterpret_cast<std::uintptr_t>(id);
    const Device& d = platforms[(raw >> 16) - 1].devices[raw & 0xFFFF];
    if (name == d.failing) return -30;
    switch (name) {
      case 0x102F: return Text(d.version, size, value, returned);
      case 0x102B: return Text(d.name, size, value, returned);
      case 0x100B: return Number(d.doubleWidth, size, value);
      case 0x1035: return Number(d.unified, size, value);
      case 0x1000: return Number(d.type, size, value);
      default: return -30;
    }
  }

 private:
  static platform::ClId Id(std::size_t platform, std::size_t device) {
    return reinterpret_cast<platform::ClId>(((platform + 1) << 16) | device);
  }
  static std::size_t PlatformOf(platform::ClId id) { return (reinterpret_cast<std::uintptr_t>(id) >> 16) - 1; }
  static std::int32_t Text(const std::string& text, std::size_t size, void* value, std::size_t* returned) {
    if (returned) *returned = text.size() + 1;
    if (text.size() + 1 > size) return -30;  // CL_INVALID_VALUE
    std::memcpy(value, text.c_str(), text.size() + 1);
    return 0;
  }
  template <typename T>
  static std::int32_t Number(T number, std::size_t size, void* value) {
    if (size < sizeof number) return -30;
    std::memcpy(value, &number, sizeof number);
    return 0;
  }
};

}  // namespace fakes

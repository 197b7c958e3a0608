#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>
#include <wbemidl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <limits>
#include <string>

#include "platform/windows/display_windows.h"
#include "platform/windows/memory_windows.h"
#include "platform/windows/opencl_windows.h"
#include "platform/windows/opengl_windows.h"
#include "platform/windows/security_windows.h"
#include "platform/windows/wmi_windows.h"

namespace {

using platform::GlFailure;
using platform::WmiFailure;
using platform::WmiValue;
namespace backend = platform::windows_backend;

constexpr std::int32_t kPlatformNotFound = -1001;

std::string Describe(const WmiValue& value) {
  switch (value.type) {
    case WmiValue::Type::Null: return "Null";
    case WmiValue::Type::String: return "String(" + std::to_string(value.text.size()) + " chars)";
    case WmiValue::Type::Integer: return "Integer(" + std::to_string(value.integer) + ")";
    case WmiValue::Type::Boolean: return value.boolean ? "Boolean(true)" : "Boolean(false)";
    case WmiValue::Type::Real: return "Real(" + std::to_string(value.real) + ")";
  }
  return "?";
}

TEST(WmiValueFromVariant, KeepsEveryTypeItsOwnValue) {
  struct Case {
    const char* name;
    void (*fill)(VARIANT&);
    WmiValue want;
    long cimType = CIM_EMPTY;  // the property's declared type
  };
  const Case cases[] = {
      {"negative 32-bit", [](VARIANT& v) { v.vt = VT_I4; v.lVal = -5; }, WmiValue::Integer(-5)},
      {"32-bit 4095", [](VARIANT& v) { v.vt = VT_I4; v.lVal = 4095; }, WmiValue::Integer(4095)},
      {"unsigned 32-bit above the signed range", [](VARIANT& v) { v.vt = VT_UI4; v.ulVal = 0xFFFFFFFFu; },
       WmiValue::Integer(4294967295)},
      {"negative 8-bit", [](VARIANT& v) { v.vt = VT_I1; v.cVal = -1; }, WmiValue::Integer(-1)},
      {"unsigned 8-bit", [](VARIANT& v) { v.vt = VT_UI1; v.bVal = 200; }, WmiValue::Integer(200)},
      {"negative 16-bit", [](VARIANT& v) { v.vt = VT_I2; v.iVal = -300; }, WmiValue::Integer(-300)},
      {"unsigned 16-bit", [](VARIANT& v) { v.vt = VT_UI2; v.uiVal = 65535; }, WmiValue::Integer(65535)},
      {"int", [](VARIANT& v) { v.vt = VT_INT; v.intVal = -7; }, WmiValue::Integer(-7)},
      {"uint", [](VARIANT& v) { v.vt = VT_UINT; v.uintVal = 4000000000u; }, WmiValue::Integer(4000000000)},
      {"smallest 64-bit", [](VARIANT& v) { v.vt = VT_I8; v.llVal = std::numeric_limits<LONGLONG>::min(); },
       WmiValue::Integer(std::numeric_limits<std::int64_t>::min())},
      {"unsigned 64-bit", [](VARIANT& v) { v.vt = VT_UI8; v.ullVal = 5; }, WmiValue::Integer(5)},
      {"unsigned 64-bit beyond the signed range keeps its digits",
       [](VARIANT& v) { v.vt = VT_UI8; v.ullVal = std::numeric_limits<ULONGLONG>::max(); },
       WmiValue::String(L"18446744073709551615")},
      {"true", [](VARIANT& v) { v.vt = VT_BOOL; v.boolVal = VARIANT_TRUE; }, WmiValue::Boolean(true)},
      {"false", [](VARIANT& v) { v.vt = VT_BOOL; v.boolVal = VARIANT_FALSE; }, WmiValue::Boolean(false)},
      {"double", [](VARIANT& v) { v.vt = VT_R8; v.dblVal = 2.5; }, WmiValue::Real(2.5)},
      {"float", [](VARIANT& v) { v.vt = VT_R4; v.fltVal = 0.5f; }, WmiValue::Real(0.5)},
      {"null", [](VARIANT& v) { v.vt = VT_NULL; }, WmiValue::Null()},
      {"empty", [](VARIANT& v) { v.vt = VT_EMPTY; }, WmiValue::Null()},
      {"string with an inner zero, every character",
       [](VARIANT& v) { v.vt = VT_BSTR; v.bstrVal = SysAllocStringLen(L"a\0b", 3); },
       WmiValue::String(std::wstring(L"a\0b", 3))},
      {"empty string", [](VARIANT& v) { v.vt = VT_BSTR; v.bstrVal = SysAllocString(L""); }, WmiValue::String(L"")},
      {"null string pointer", [](VARIANT& v) { v.vt = VT_BSTR; v.bstrVal = nullptr; }, WmiValue::String(L"")},
      {"array", [](VARIANT& v) { v.vt = VT_ARRAY | VT_BSTR; v.parray = SafeArrayCreateVector(VT_BSTR, 0, 2); },
       WmiValue::Null()},
      {"an unsigned 32-bit property in the signed variant WMI gives it",
       [](VARIANT& v) { v.vt = VT_I4; v.lVal = -1048576; }, WmiValue::Integer(4293918720), CIM_UINT32},
      {"a signed 32-bit property", [](VARIANT& v) { v.vt = VT_I4; v.lVal = -5; }, WmiValue::Integer(-5), CIM_SINT32},
      {"an unsigned 8-bit property", [](VARIANT& v) { v.vt = VT_UI1; v.bVal = 255; }, WmiValue::Integer(255), CIM_UINT8},
      {"a 64-bit property arrives as text",
       [](VARIANT& v) { v.vt = VT_BSTR; v.bstrVal = SysAllocString(L"25276121088"); },
       WmiValue::String(L"25276121088"), CIM_UINT64},
      {"currency converts to text", [](VARIANT& v) { v.vt = VT_CY; v.cyVal.int64 = 150000; }, WmiValue::String(L"15")},
  };
  for (const Case& c : cases) {
    VARIANT variant;
    VariantInit(&variant);
    c.fill(variant);
    const WmiValue got = backend::WmiValueFromVariant(variant, c.cimType);
    EXPECT_EQ(got, c.want) << c.name << ": got " << Describe(got);
    VariantClear(&variant);
  }
}

// WMI needs COM on the calling thread, as the program's user-interface
// thread has it.
class WmiTest : public ::testing::Test {
 protected:
  void SetUp() override { initialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
  void TearDown() override {
    wmi_.Disconnect();
    if (initialised_) CoUninitialize();
  }

  bool initialised_ = false;
  backend::Win32Wmi wmi_;
};

// The connection of the first question serves the next ones; once let go,
// the next question connects again.
TEST_F(WmiTest, OneConnectionServesEveryQuestionAndComesBackAfterDisconnecting) {
  const std::wstring statement = L"SELECT * FROM Win32_OperatingSystem";
  const platform::WmiAnswer first = wmi_.Query(statement, L"Caption");
  const platform::WmiAnswer second = wmi_.Query(statement, L"BuildNumber");
  wmi_.Disconnect();
  const platform::WmiAnswer again = wmi_.Query(statement, L"Caption");
  ASSERT_EQ(first.failure, WmiFailure::None);
  ASSERT_EQ(second.failure, WmiFailure::None);
  ASSERT_EQ(again.failure, WmiFailure::None);
  ASSERT_EQ(first.values.size(), 1u);
  ASSERT_EQ(second.values.size(), 1u);
  ASSERT_EQ(again.values.size(), 1u);
  EXPECT_EQ(again.values[0].text, first.values[0].text);
  // The second question reads its own property of the same instances, and
  // another statement gets instances of its own.
  const std::wstring& build = second.values[0].text;
  EXPECT_FALSE(build.empty());
  EXPECT_EQ(build.find_first_not_of(L"0123456789"), std::wstring::npos) << "BuildNumber is digits";
  const platform::WmiAnswer cores = wmi_.Query(L"SELECT * FROM Win32_Processor", L"NumberOfCores");
  ASSERT_EQ(cores.values.size(), 1u);
  EXPECT_EQ(cores.values[0].type, WmiValue::Type::Integer);
}

TEST_F(WmiTest, AnswersWithTheTypesOfTheProperties) {
  struct Case {
    const char* name;
    std::wstring statement;
    std::wstring property;
    WmiFailure failure;
    std::size_t count;
    WmiValue::Type type;
  };
  const Case cases[] = {
      {"a string", L"SELECT * FROM Win32_Processor", L"Name", WmiFailure::None, 1, WmiValue::Type::String},
      {"a 32-bit number", L"SELECT * FROM Win32_Processor", L"NumberOfCores", WmiFailure::None, 1,
       WmiValue::Type::Integer},
      {"an unsigned 32-bit number", L"SELECT * FROM Win32_VideoController", L"AdapterRAM", WmiFailure::None, 1,
       WmiValue::Type::Integer},
      {"a 64-bit number arrives as text", L"SELECT * FROM Win32_OperatingSystem", L"TotalVisibleMemorySize",
       WmiFailure::None, 1, WmiValue::Type::String},
      {"a property the class lacks", L"SELECT * FROM Win32_OperatingSystem", L"NoSuchProperty", WmiFailure::None, 0,
       WmiValue::Type::Null},
      {"a statement that does not parse", L"SELEKT FROM WHERE", L"Name", WmiFailure::Query, 0, WmiValue::Type::Null},
  };
  ASSERT_TRUE(initialised_);
  for (const Case& c : cases) {
    const platform::WmiAnswer answer = wmi_.Query(c.statement, c.property);
    EXPECT_EQ(answer.failure, c.failure) << c.name;
    ASSERT_EQ(answer.values.size(), c.count) << c.name;
    for (const WmiValue& value : answer.values) {
      EXPECT_EQ(value.type, c.type) << c.name << ": " << Describe(value);
      // Every number asked here is declared unsigned.
      EXPECT_GE(value.integer, 0) << c.name;
    }
  }
}

TEST_F(WmiTest, TextsAreWholeAndNumbersAreDigits) {
  ASSERT_TRUE(initialised_);
  const platform::WmiAnswer name = wmi_.Query(L"SELECT * FROM Win32_Processor", L"Name");
  ASSERT_EQ(name.values.size(), 1u);
  EXPECT_FALSE(name.values[0].text.empty());
  EXPECT_EQ(name.values[0].text.find(L'\0'), std::wstring::npos);

  const platform::WmiAnswer size = wmi_.Query(L"SELECT * FROM Win32_OperatingSystem", L"TotalVisibleMemorySize");
  ASSERT_EQ(size.values.size(), 1u);
  const std::wstring& digits = size.values[0].text;
  EXPECT_FALSE(digits.empty());
  for (wchar_t c : digits) EXPECT_TRUE(c >= L'0' && c <= L'9') << "in " << std::string(digits.begin(), digits.end());

  const platform::WmiAnswer cores = wmi_.Query(L"SELECT * FROM Win32_Processor", L"NumberOfCores");
  ASSERT_EQ(cores.values.size(), 1u);
  EXPECT_GT(cores.values[0].integer, 0);
}

// 0 is also the answer of a failed call; a running machine always has more
// than one percent of its memory in use.
TEST(Win32Memory, LoadIsAPercentage) {
  backend::Win32Memory memory;
  const std::uint32_t load = memory.MemoryLoad();
  EXPECT_GT(load, 0u);
  EXPECT_LE(load, 100u);
}

TEST(Win32Security, AgreesWithTheShellsAdministratorTest) {
  backend::Win32Security security;
  EXPECT_EQ(security.IsUserAdministrator(), IsUserAnAdmin() != FALSE);
}

TEST(Win32Display, TheDesktopHasThePrimaryMonitorAndItsTarget) {
  backend::Win32Display display;
  const std::vector<platform::MonitorSize> sizes = display.MonitorSizes();
  ASSERT_FALSE(sizes.empty());
  const platform::MonitorSize primary{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_NE(std::find(sizes.begin(), sizes.end(), primary), sizes.end());
  for (const platform::MonitorSize& size : sizes) {
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.height, 0);
  }
  // One monitor on one target: the configuration's walk finds its name.
  const std::vector<std::wstring> names = display.MonitorNames();
  EXPECT_EQ(names.size(), sizes.size());
  for (const std::wstring& name : names) EXPECT_EQ(name.find(L'\0'), std::wstring::npos);
}

// A plain window of its own, as the program's main window is.
class WglOpenGLTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VeloInspectGlTest";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"GL test", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }

  HWND window_ = nullptr;
  backend::WglOpenGL gl_;
};

TEST_F(WglOpenGLTest, AnswersEveryQuestionOnTheSameWindow) {
  struct Case {
    const char* name;
    std::uint32_t enumerant;
    bool error;
    std::size_t minLength;
  };
  const Case cases[] = {
      {"vendor", 7936, false, 1},
      {"version", 7938, false, 1},
      {"extensions", 7939, false, 200},
      {"renderer", 7937, false, 1},
      {"an enumerant the driver rejects", 0, true, 0},
      {"vendor again", 7936, false, 1},
  };
  ASSERT_NE(window_, nullptr);
  for (const Case& c : cases) {
    const platform::GlAnswer answer = gl_.GetString(reinterpret_cast<std::uintptr_t>(window_), c.enumerant);
    EXPECT_EQ(answer.failure, GlFailure::None) << c.name;
    EXPECT_EQ(answer.error != 0, c.error) << c.name << ": error " << answer.error;
    if (c.error) {
      EXPECT_FALSE(answer.text) << c.name;
    } else {
      ASSERT_TRUE(answer.text) << c.name;
      EXPECT_GE(answer.text->size(), c.minLength) << c.name;
    }
    EXPECT_EQ(wglGetCurrentContext(), nullptr) << c.name << ": the context must not stay current";
  }
}

TEST_F(WglOpenGLTest, ANonWindowHasNoDeviceContext) {
  ASSERT_NE(window_, nullptr);
  const HWND gone = window_;
  DestroyWindow(window_);
  window_ = nullptr;
  struct Case {
    const char* name;
    std::uintptr_t window;
  };
  const Case cases[] = {{"no window", 0}, {"a destroyed window", reinterpret_cast<std::uintptr_t>(gone)}};
  for (const Case& c : cases) {
    const platform::GlAnswer answer = gl_.GetString(c.window, 7936);
    EXPECT_EQ(answer.failure, GlFailure::DeviceContext) << c.name;
    EXPECT_FALSE(answer.text) << c.name;
  }
}

TEST(Win32OpenCL, TheSystemRuntimeAnswersOnceLoaded) {
  backend::Win32OpenCL opencl;
  const bool loaded = opencl.Load();
  EXPECT_EQ(opencl.Load(), loaded);
  std::uint32_t count = 0;
  const std::int32_t status = opencl.GetPlatformIDs(0, nullptr, &count);
  if (!loaded) {
    EXPECT_EQ(status, kPlatformNotFound);
    return;
  }
  EXPECT_TRUE(status == 0 || status == kPlatformNotFound) << status;
  if (status == 0) {
    EXPECT_GT(count, 0u);
  }
}

TEST(Win32OpenCL, ALibraryThatCannotBeBoundAnswersWithAnError) {
  struct Case {
    const char* name;
    std::wstring library;
  };
  const Case cases[] = {
      {"missing", L"veloinspect-no-such-runtime.dll"},
      {"loads but lacks the functions", L"kernel32.dll"},
  };
  for (const Case& c : cases) {
    backend::Win32OpenCL opencl(c.library);
    EXPECT_FALSE(opencl.Load()) << c.name;
    platform::ClId id = nullptr;
    std::uint32_t count = 7;
    std::size_t size = 0;
    EXPECT_EQ(opencl.GetPlatformIDs(1, &id, &count), kPlatformNotFound) << c.name;
    EXPECT_EQ(opencl.GetPlatformInfo(id, 0x0902, 0, nullptr, &size), kPlatformNotFound) << c.name;
    EXPECT_EQ(opencl.GetDeviceIDs(id, 0xFFFFFFFF, 1, &id, &count), kPlatformNotFound) << c.name;
    EXPECT_EQ(opencl.GetDeviceInfo(id, 0x102B, 0, nullptr, &size), kPlatformNotFound) << c.name;
    EXPECT_EQ(count, 7u) << c.name << ": nothing may be written";
  }
}

}  // namespace

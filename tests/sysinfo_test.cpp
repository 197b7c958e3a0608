#include <gtest/gtest.h>

#include "fakes/fake_controls.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_sink.h"
#include "sysinfo/collect_system_info.h"
#include "sysinfo/graphics_probes.h"
#include "sysinfo/hardware_probes.h"
#include "sysinfo/os_probes.h"
#include "sysinfo/query_wmi.h"
#include "sysinfo/value_shaping.h"

namespace {

using platform::WmiValue;
using Result = fakes::RecordingSink::Result;

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

TEST(ValueShaping, TrimCutAndScale) {
  EXPECT_EQ(TrimBlanks(L" \t value\twith inner \t "), L"value\twith inner");
  EXPECT_EQ(TrimBlanks(L" \t "), L"");
  EXPECT_EQ(TrimBlanks(L"\nkept\r"), L"\nkept\r");
  EXPECT_EQ(CutAtBar(L"Windows 10 Pro|C:\\WINDOWS|\\Device\\Harddisk0\\Partition2"), L"Windows 10 Pro");
  EXPECT_EQ(CutAtBar(L"no bar"), L"no bar");
  EXPECT_EQ(CutAtBar(L"|leading"), L"");

  struct Case {
    std::wstring value;
    std::wstring format;
    std::int64_t divisor;
    std::wstring want;
  };
  const Case cases[] = {
      {L"2048", L"%ldMB", 1024, L"2MB"},
      {L"2047", L"%ldMB", 1024, L"1MB"},
      {L" +3145728 bytes", L"%ldMB", 1048576, L"3MB"},
      {L"-2048", L"%ldMB", 1024, L"-2MB"},
      {L"abc", L"%ldMB", 1024, L"0MB"},
      {L"-1", L"%ldMB", 1048576, L"Value is not available"},
      {L"-12", L"%ldMB", 1048576, L"Value is not available"},
      {L"20-10", L"%ldMB", 1, L"Value is not available"},
      {L"1073741824", L"%fGB", 1073741824, L"1.000000GB"},
      {L"1610612736", L"%fGB", 1073741824, L"1.500000GB"},
      {L"false", L"%fGB", 1073741824, L"0.000000GB"},
      {L"99999999999999999999999", L"%ldMB", 1, L"9223372036854775807MB"},
      {L"1e999", L"%fGB", 1, L"0.000000GB"},
      {L"2048", L"%d", 1024, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleValue(c.value, c.format, c.divisor), c.want) << Narrow(c.value);
}

TEST(QueryWmi, ValuesInInstanceOrderAndFailuresAsFalse) {
  fakes::FakeWmi wmi;
  fakes::RecordingSink messages;
  wmi.Set(L"S", L"Name", {WmiValue::String(L"a"), WmiValue::String(L""), WmiValue::Integer(4095),
                          WmiValue::Integer(-5), WmiValue::Null(), WmiValue::Boolean(true)});
  EXPECT_EQ(QueryWmi(wmi, messages, L"S", L"Name"), (WmiValueList{L"a", L"", L"4095", L"-5", L"", L"TRUE"}));
  EXPECT_TRUE(QueryWmi(wmi, messages, L"S", L"Missing").empty());
  EXPECT_TRUE(messages.notices.empty());

  const std::pair<platform::WmiFailure, const wchar_t*> failures[] = {
      {platform::WmiFailure::Locator, L"ERROR - Obtaining IID_IWbemLocator"},
      {platform::WmiFailure::Connect, L"ERROR - Connecting to namespace"},
      {platform::WmiFailure::Security, L"ERROR - Setting security levels"},
      {platform::WmiFailure::Query, L"ERROR - Querying WMI"},
  };
  for (const auto& [failure, text] : failures) {
    fakes::RecordingSink box;
    wmi.Fail(L"S", L"Name", failure);
    EXPECT_EQ(QueryWmi(wmi, box, L"S", L"Name"), WmiValueList{L"false"});
    EXPECT_EQ(box.notices, std::vector<std::wstring>{text});
  }
}

TEST(CheckProcessorFeature, Fma3NeedsTheFeatureBitsAndTheSavedRegisterState) {
  struct Case {
    const char* name;
    std::optional<platform::CpuFeatureBits> bits;
    std::wstring key;
    std::wstring want;
  };
  const Case cases[] = {
      {"all bits and state", platform::CpuFeatureBits{0x18001000 | 0x1, 0xe7}, L"FMA3SupportStatus", L"Yes"},
      {"AVX state not enabled", platform::CpuFeatureBits{0x18001000, 0x3}, L"FMA3SupportStatus", L"No"},
      {"no FMA bit", platform::CpuFeatureBits{0x18000000, 0x7}, L"FMA3SupportStatus", L"No"},
      {"no XGETBV answer", platform::CpuFeatureBits{0x18001000, std::nullopt}, L"FMA3SupportStatus", L"No"},
      {"not an x86 processor", std::nullopt, L"FMA3SupportStatus", L"No"},
      {"key in other case", platform::CpuFeatureBits{0x18001000, 0x7}, L"fma3supportstatus", L"No"},
      {"6", std::nullopt, L"6", L"Yes"},
      {"10", std::nullopt, L"10", L"Yes"},
      {"leading space", std::nullopt, L" 10", L"Yes"},
      {"leading zero", std::nullopt, L"06", L"Yes"},
      {"word", std::nullopt, L"SSE2", L"No"},
      {"7", std::nullopt, L"7", L"No"},
  };
  for (const Case& c : cases) {
    fakes::FakeCpu cpu;
    cpu.bits = c.bits;
    EXPECT_EQ(CheckProcessorFeature(cpu, c.key), c.want) << c.name;
  }
}

TEST(GetVideoAcceleration, ReadsTheDriverKeyTheDeviceMapNames) {
  const std::wstring map = L"HKLM\\HARDWARE\\DEVICEMAP\\VIDEO";
  const std::wstring driver = L"HKLM\\SYSTEM\\CurrentControlSet\\Control\\Video\\{2B5F3C80-1F3E-11EE-8A5B-806E6F6E6963}\\0000";
  const std::wstring mapValue =
      L"\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{2B5F3C80-1F3E-11EE-8A5B-806E6F6E6963}\\0000";
  struct Case {
    const char* name;
    bool mapKey;
    std::wstring value;
    bool driverKey;
    std::optional<std::uint32_t> level;
    std::wstring want;
  };
  const Case cases[] = {
      {"no device map key", false, L"", false, std::nullopt, L"?"},
      {"no device map value", true, L"", true, 5u, L"?"},
      {"no acceleration level", true, mapValue, true, std::nullopt, L"Full"},
      {"a level of 5", true, mapValue, true, 5u, L"5"},
      {"the level is a signed number", true, mapValue, true, 0xFFFFFFFFu, L"-1"},
      {"no driver key", true, mapValue, false, std::nullopt, L"?"},
      {"a short value names subkey \\0000", true, L"\\A\\B", false, std::nullopt, L"?"},
  };
  for (const Case& c : cases) {
    fakes::FakeRegistry registry;
    if (c.mapKey) registry.AddKey(map);
    if (!c.value.empty()) registry.SetText(map, L"\\DEVICE\\VIDEO0", c.value);
    if (c.driverKey) registry.AddKey(driver);
    if (c.level) {
      const std::uint32_t level = *c.level;
      registry.SetBytes(driver, L"Acceleration.Level",
                        {static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(level >> 8),
                         static_cast<std::uint8_t>(level >> 16), static_cast<std::uint8_t>(level >> 24)},
                        platform::kRegDword);
    }
    fakes::RecordingSink window;
    EXPECT_EQ(GetVideoAcceleration(registry, window), c.want) << c.name;
    EXPECT_EQ(window.progress, std::vector<std::wstring>{L"Hardware"}) << c.name;
    EXPECT_EQ(registry.OpenHandles(), 0) << c.name;
  }
}

TEST(GetOpenGLString, OneStringPerKeyAndTheExtensionsKeptApart) {
  fakes::FakeOpenGL gl;
  gl.strings = {{7936, L"Mesa"}, {7937, L"llvmpipe"}, {7939, L"GL_ARB_b GL_ARB_a"}};
  fakes::RecordingSink window;
  const OpenGLProbe probe{gl, 0x1234};
  std::wstring extensions = L"old";
  EXPECT_EQ(GetOpenGLString(probe, window, L"7936", extensions), L"Mesa");
  EXPECT_EQ(GetOpenGLString(probe, window, L" 7937 renderer", extensions), L"llvmpipe");
  EXPECT_EQ(extensions, L"old");
  EXPECT_EQ(GetOpenGLString(probe, window, L"7939", extensions), L"Yes");
  EXPECT_EQ(extensions, L"GL_ARB_b GL_ARB_a");
  EXPECT_EQ(GetOpenGLString(probe, window, L"vendor", extensions), L"?") << "a key without digits reads as 0";
  EXPECT_TRUE(window.notices.empty());
  gl.strings[7939] = L"";
  EXPECT_EQ(GetOpenGLString(probe, window, L"7939", extensions), L"No");
  EXPECT_EQ(extensions, L"");
  EXPECT_EQ(gl.windows, std::vector<std::uintptr_t>(5, 0x1234));
  EXPECT_EQ(window.progress.size(), 5u);

  const std::pair<platform::GlFailure, const wchar_t*> failures[] = {
      {platform::GlFailure::DeviceContext, L"ERROR - Obtaining Device Context!"},
      {platform::GlFailure::ChoosePixelFormat, L"ERROR - Choosing Pixel Format!"},
      {platform::GlFailure::SetPixelFormat, L"ERROR - Setting Pixel Format!"},
      {platform::GlFailure::CreateContext, L"ERROR - Creating OpenGL Rendering Context!"},
      {platform::GlFailure::MakeCurrent, L"ERROR - Setting OpenGL Rendering context to Device Context!"},
  };
  for (const auto& [failure, text] : failures) {
    fakes::RecordingSink box;
    gl.failure = failure;
    extensions = L"kept";
    EXPECT_EQ(GetOpenGLString(OpenGLProbe{gl, 1}, box, L"7939", extensions), L"?");
    EXPECT_EQ(extensions, L"kept");
    EXPECT_EQ(box.notices, std::vector<std::wstring>{text});
  }
}

TEST(ParseOpenCLVersion, ReadsTheNumbersAfterTheFirstSpace) {
  struct Case {
    std::string text;
    std::optional<std::pair<int, int>> want;
  };
  const Case cases[] = {
      {"OpenCL 1.2 CUDA", std::pair{1, 2}},
      {"OpenCL 3.0 PoCL HSTR: cpu", std::pair{3, 0}},
      {"OpenCL 1.1 ", std::pair{1, 1}},
      {"OpenCL 2.1", std::pair{2, 1}},
      {"OpenCL 12.3 x", std::pair{12, 3}},
      // The minor number has at most as many digits as the major one.
      {"OpenCL 1.10", std::pair{1, 1}},
      {"OpenCL 10.12 x", std::pair{10, 12}},
      {"OpenCL1.2", std::nullopt},
      {"OpenCL 12 x", std::nullopt},
      {"OpenCL x.2", std::nullopt},
      {"OpenCL 1.x", std::nullopt},
      {"OpenCL .2", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<OpenCLVersion> v = ParseOpenCLVersion(c.text);
    ASSERT_EQ(v.has_value(), c.want.has_value()) << c.text;
    if (v) {
      EXPECT_EQ(std::pair(v->major, v->minor), *c.want) << c.text;
    }
  }
}

TEST(GetOpenCLInfo, TheGpuAnswerNeedsADedicatedGpuOfVersion12OrHigher) {
  using Device = fakes::FakeOpenCL::Device;
  struct Case {
    const char* name;
    std::vector<fakes::FakeOpenCL::Platform> platforms;
    std::wstring want;
  };
  const Case cases[] = {
      {"dedicated 1.2", {{"P", {Device{}}}}, L"Yes"},
      {"dedicated 3.0", {{"P", {Device{"OpenCL 3.0 X"}}}}, L"Yes"},
      {"integrated", {{"P", {Device{"OpenCL 2.0 ", 4, 1}}}}, L"No"},
      {"a 1.1 GPU", {{"P", {Device{"OpenCL 1.1 ", 4, 0}}}}, L"No"},
      {"GPU and DEFAULT bits", {{"P", {Device{"OpenCL 2.0 ", 4 | 1, 0}}}}, L"No"},
      {"a CPU", {{"P", {Device{"OpenCL 3.0 ", 2}}}}, L"No"},
      {"the second platform has it", {{"A", {Device{"OpenCL 3.0 ", 2}}}, {"B", {Device{}}}}, L"Yes"},
      {"a failing platform name drops the platform", {{"A", {Device{}}, true}}, L"No"},
      {"a failing query drops the device", {{"A", {Device{"OpenCL 1.2 ", 4, 0, 1, "G", 0x102B}, Device{"OpenCL 1.0 "}}}}, L"No"},
      {"a device name longer than 255 bytes", {{"A", {Device{"OpenCL 1.2 ", 4, 0, 1, std::string(300, 'n')}}}}, L"No"},
      {"no platform", {}, L"No"},
  };
  for (const Case& c : cases) {
    fakes::FakeOpenCL cl;
    cl.platforms = c.platforms;
    fakes::FakeVersionResources versions;
    EXPECT_EQ(GetOpenCLInfo(cl, versions, L"OpenCLGPUStatus"), c.want) << c.name;
  }
}

TEST(GetOpenCLInfo, DevicesKeepPlatformOrderAndTheUnifiedMemoryIsAskedOnlyFrom12) {
  using Device = fakes::FakeOpenCL::Device;
  fakes::FakeOpenCL cl;
  cl.platforms = {{"First", {Device{"OpenCL 1.1 ", 4, 1, 0, "old"}}}, {"Second", {Device{"OpenCL 3.0 ", 4, 1, 1, "igpu"}}}};
  const std::vector<OpenCLDevice> devices = EnumerateOpenCLDevices(cl);
  ASSERT_EQ(devices.size(), 2u);
  EXPECT_EQ(devices[0].platformName, "First");
  EXPECT_EQ(devices[0].deviceName, "old");
  EXPECT_EQ(devices[0].kind, GpuDedicatedMemory);
  EXPECT_FALSE(devices[0].doubleSupport);
  EXPECT_EQ(devices[1].kind, GpuUnifiedMemory);
  EXPECT_TRUE(devices[1].doubleSupport);
  EXPECT_EQ(std::count(cl.asked.begin(), cl.asked.end(), 0x1035u), 1);
}

TEST(GetOpenCLInfo, KeysAndAMissingLibrary) {
  fakes::FakeOpenCL cl;
  fakes::FakeVersionResources versions;
  versions.Add(L"OpenCL.dll", 3, 0, 40000, 1, L"Khronos");
  EXPECT_EQ(GetOpenCLInfo(cl, versions, L"OpenCLLoadedStatus"), L"Yes");
  EXPECT_EQ(GetOpenCLInfo(cl, versions, L"OpenCLVersion"), L"3.0.40000.1");
  EXPECT_EQ(GetOpenCLInfo(cl, versions, L"openclversion"), L"");
  EXPECT_EQ(GetOpenCLInfo(cl, versions, L"Other"), L"");
  cl.loadable = false;
  fakes::FakeVersionResources none;
  EXPECT_EQ(GetOpenCLInfo(cl, none, L"OpenCLLoadedStatus"), L"No");
  EXPECT_EQ(GetOpenCLInfo(cl, none, L"OpenCLVersion"), L"Not found");
  EXPECT_EQ(GetOpenCLInfo(cl, none, L"OpenCLGPUStatus"), L"No");
}

TEST(ScanUninstallEntries, ProductsWithAllWordsFromBothViewsOnce) {
  const std::wstring native = L"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
  const std::wstring wow = L"WOW32:" + native;
  fakes::FakeRegistry registry;
  auto product = [&](const std::wstring& root, const std::wstring& key, const std::wstring& name,
                     const std::wstring& version) {
    registry.SetText(root + key, L"DisplayName", name);
    if (!version.empty()) registry.SetText(root + key, L"DisplayVersion", version);
  };
  product(native, L"a", L"Microsoft Visual C++ 14 Redistributable (x64) - 14.36", L"14.36.1.0");
  product(native, L"b", L"Microsoft Visual C++ 9 Redistributable - x64 9.0.1.2", L"9.0.1.2");
  product(native, L"c", L"Microsoft Visual C++ 14 X64 Minimum Runtime - 14.29", L"14.29");
  product(native, L"d", L"Microsoft Visual C++, Redistributable", L"1");
  product(native, L"e", L"  Microsoft   Visual  C++  Redistributable  ", L"");
  product(native, L"f", L"Microsoft .NET Framework 4.8", L"4.8.1");
  product(native, L"g", L"Microsoft .NET Runtime - 6.0.5", L"6.0.5");
  product(native, L"h", std::wstring(261, L'M') + L" Microsoft Visual C++ Redistributable", L"");
  registry.AddKey(native + L"i");
  product(wow, L"a", L"Microsoft Visual C++ 14 Redistributable (x64) - 14.36", L"14.36.1.0");
  product(wow, L"z", L"Microsoft Visual C++ 2008 Redistributable - x86", L"9.0.30729");

  EXPECT_EQ(ListVCRedistributables(registry),
            (std::vector<std::wstring>{L"Microsoft Visual C++ 14 Redistributable (x64) - 14.36 - 14.36.1.0",
                                       L"Microsoft Visual C++ 9 Redistributable - x64 9.0.1.2",
                                       L"  Microsoft   Visual  C++  Redistributable  ",
                                       L"Microsoft Visual C++ 2008 Redistributable - x86 - 9.0.30729"}));
  EXPECT_EQ(ListDotNetFrameworks(registry), std::vector<std::wstring>{L"Microsoft .NET Framework 4.8 - 4.8.1"});
  EXPECT_EQ(registry.OpenHandles(), 0);
  fakes::FakeRegistry empty;
  EXPECT_TRUE(ListVCRedistributables(empty).empty());
}

struct Driver {
  fakes::FakePlatform machine;
  fakes::RecordingSink window;
  CSysInfo model;
  std::wstring extensions;

  Hardware& AddHardware(const std::wstring& name, const std::wstring& query, InfoEntryList entries) {
    model.hardwareItems.push_back(std::make_unique<Hardware>());
    Hardware& item = *model.hardwareItems.back();
    item.name = name;
    item.query = query;
    item.entries = std::move(entries);
    return item;
  }
  void AddOs(const std::wstring& name, const std::wstring& query, InfoEntryList entries) {
    model.osItems.push_back(std::make_unique<OperatingSystem>());
    model.osItems.back()->name = name;
    model.osItems.back()->query = query;
    model.osItems.back()->entries = std::move(entries);
  }
  void Run() {
    SystemInfoContext context{window, model, machine.host, 0x42, extensions};
    CollectSystemInfo(context);
  }
};

TEST(CollectSystemInfo, InstancesAreGroupedAfterTheOtherHardwareEntries) {
  Driver d;
  d.AddHardware(L"VIDEO", L"V", {{L"Video adapter", L"Name"}, {L"Video memory", L"AdapterRAM"}});
  d.AddHardware(L"CPU", L"C", {{L"Processor", L"Name"}});
  d.AddHardware(L"DISK", L"D", {{L"Disk model", L"Model"}});
  d.AddHardware(L"VOLUME", L"L", {{L"Volume size", L"Size"}});
  d.machine.wmi.Set(L"V", L"Name", fakes::Strings({L" GPU A\t", L"GPU B"}));
  d.machine.wmi.Set(L"V", L"AdapterRAM", {WmiValue::Integer(1073741824), WmiValue::Integer(-1)});
  d.machine.wmi.Set(L"C", L"Name", fakes::Strings({L"CPU X", L"CPU Y"}));
  d.machine.wmi.Set(L"D", L"Model", fakes::Strings({L"Disk 1", L"Disk 2"}));
  d.machine.wmi.Set(L"L", L"Size", fakes::Strings({L"1073741824", L"1610612736"}));
  d.Run();
  const std::vector<Result> want = {
      {L"Processor", L"CPU X", CategoryHardware},  {L"Processor", L"CPU Y", CategoryHardware},
      {L"Video adapter", L"GPU A", CategoryHardware}, {L"Video memory", L"1024MB", CategoryHardware},
      {L"Video adapter", L"GPU B", CategoryHardware}, {L"Video memory", L"Value is not available", CategoryHardware},
      {L"Disk model", L"Disk 1", CategoryHardware},   {L"Volume size", L"1.000000GB", CategoryHardware},
      {L"Disk model", L"Disk 2", CategoryHardware},   {L"Volume size", L"1.500000GB", CategoryHardware},
  };
  EXPECT_EQ(d.window.results, want);
  EXPECT_EQ(d.window.statusChanges,
            (std::vector<std::wstring>{L"reset:Gathering system Info...", L"finish:System info collected"}));
}

TEST(CollectSystemInfo, UnitKeywordsScaleOnceAndOnlyInTheirItems) {
  Driver d;
  d.AddHardware(L"MEMORY", L"M",
                {{L"memory size", L"A"}, {L"Memory", L"A"}, {L"total capacity", L"A"}, {L"free space", L"A"}});
  d.AddHardware(L"DISK", L"D", {{L"Disk size", L"A"}});
  d.AddHardware(L"PC", L"P", {{L"memory", L"A"}});
  for (const wchar_t* q : {L"M", L"D", L"P"}) d.machine.wmi.Set(q, L"A", fakes::Strings({L"2048"}));
  d.Run();
  const std::vector<Result> want = {
      {L"memory size", L"2MB", CategoryHardware}, {L"Memory", L"2048", CategoryHardware},
      {L"total capacity", L"2MB", CategoryHardware}, {L"free space", L"2MB", CategoryHardware},
      {L"memory", L"2048", CategoryHardware},      {L"Disk size", L"2048", CategoryHardware},
  };
  EXPECT_EQ(d.window.results, want);
}

// The busy row moves once for an item, once for each of its entries and, in
// the hardware pass, four times for each value returned.
TEST(CollectSystemInfo, EveryStepOfAWmiItemAdvancesTheBusyRow) {
  Driver d;
  d.AddHardware(L"PC", L"P", {{L"Name", L"Three"}, {L"Model", L"None"}});
  d.AddOs(L"OS", L"O", {{L"Caption", L"Two"}});
  d.machine.wmi.Set(L"P", L"Three", fakes::Strings({L"a", L"b", L"c"}));
  d.machine.wmi.Set(L"O", L"Two", fakes::Strings({L"x", L"y"}));
  d.Run();
  std::vector<std::wstring> want(1 + (1 + 3 * 4) + 1, L"Hardware");
  want.insert(want.end(), 1 + 1, L"Operating System");
  EXPECT_EQ(d.window.progress, want);
}

TEST(CollectSystemInfo, WmiFailuresRunThroughThePipelineAsFalse) {
  Driver d;
  d.AddHardware(L"VIDEO", L"V", {{L"Video memory", L"AdapterRAM"}});
  d.AddHardware(L"VOLUME", L"L", {{L"Free space", L"FreeSpace"}});
  d.AddHardware(L"PC", L"P", {{L"Model", L"Model"}});
  d.machine.wmi.Fail(L"V", L"AdapterRAM", platform::WmiFailure::Connect);
  d.machine.wmi.Fail(L"L", L"FreeSpace", platform::WmiFailure::Connect);
  d.machine.wmi.Fail(L"P", L"Model", platform::WmiFailure::Query);
  d.Run();
  const std::vector<Result> want = {
      {L"Model", L"false", CategoryHardware},
      {L"Video memory", L"0MB", CategoryHardware},
      {L"Free space", L"0.000000GB", CategoryHardware},
  };
  EXPECT_EQ(d.window.results, want);
  EXPECT_EQ(d.window.notices.size(), 3u);
}

TEST(CollectSystemInfo, BuiltInHardwareProbes) {
  Driver d;
  d.AddHardware(L"CPU", L"", {{L"FMA3", L"FMA3SupportStatus"}, {L"Six", L"6"}});
  d.AddHardware(L"MEMORY", L"", {{L"Memory load", L"dwMemoryLoad"}, {L"Other", L"dwTotalPhys"}});
  d.AddHardware(L"MEMORY", L"", {{L"Other only", L"x"}});
  d.AddHardware(L"OPENGL", L"", {{L"OpenGL vendor", L"7936"}, {L"Extensions (click here for list)", L"7939"}});
  d.AddHardware(L"OPENCL", L"", {{L"Loaded", L"OpenCLLoadedStatus"}});
  d.AddHardware(L"MONITOR", L"", {{L"ignored", L"x"}});
  d.AddHardware(L"VIDEOACCEL", L"", {{L"Acceleration", L"ignored"}});
  d.AddHardware(L"PC", L"", {{L"nothing", L"x"}});
  d.AddHardware(L"DISK", L"", {{L"nothing", L"x"}});
  d.machine.cpu.bits = platform::CpuFeatureBits{0x18001000, 0x7};
  d.machine.memory.load = 37;
  d.machine.opengl.strings = {{7936, L"Mesa"}, {7939, L"GL_B GL_A"}};
  d.machine.display.sizes = {{1920, 1080}};
  d.machine.display.names = {L"DELL U2719D", L""};
  d.Run();
  const std::vector<Result> want = {
      {L"FMA3", L"Yes", CategoryHardware},
      {L"Six", L"Yes", CategoryHardware},
      {L"Memory load", L"37%", CategoryHardware},
      {L"OpenGL vendor", L"Mesa", CategoryHardware},
      {L"Extensions (click here for list)", L"Yes", CategoryHardware},
      {L"Loaded", L"Yes", CategoryHardware},
      {L"# Monitors", L"2", CategoryHardware},
      {L"Monitor", L"DELL U2719D", CategoryHardware},
      {L"Resolution", L"1920x1080", CategoryHardware},
      {L"Monitor", L"Generic PnP Monitor", CategoryHardware},
      {L"Resolution", L"", CategoryHardware},
      {L"Acceleration", L"?", CategoryHardware},
  };
  EXPECT_EQ(d.window.results, want);
  EXPECT_EQ(d.extensions, L"GL_B GL_A");
  EXPECT_EQ(d.machine.memory.reads, 2) << "read once per MEMORY item";
  EXPECT_EQ(d.machine.opengl.windows, (std::vector<std::uintptr_t>{0x42, 0x42}));
}

TEST(CollectSystemInfo, NoMonitorsGivesOnlyTheCount) {
  Driver d;
  d.AddHardware(L"MONITOR", L"", {});
  d.Run();
  EXPECT_EQ(d.window.results, (std::vector<Result>{{L"# Monitors", L"0", CategoryHardware}}));
}

TEST(CollectSystemInfo, OperatingSystemValuesAreCutAndNumbered) {
  Driver d;
  d.AddOs(L"OS", L"O", {{L"Operating system", L"Name"}, {L"Disk", L"Caption"}});
  d.AddOs(L"SIXTYFOURBITCHECK", L"", {{L"x", L"y"}});
  d.AddOs(L"OS", L"", {{L"x", L"y"}});
  d.AddOs(L"VCREDIST", L"", {});
  d.AddOs(L"ADMINCHECK", L"", {});
  d.AddOs(L"DOTNET", L"", {});
  d.machine.wmi.Set(L"O", L"Name", fakes::Strings({L" Windows 10 Pro|C:\\WINDOWS|\\Device\\Harddisk0\\Partition2\t"}));
  d.machine.wmi.Set(L"O", L"Caption", fakes::Strings({L"a|b", L"c", L"d"}));
  d.machine.registry.SetText(L"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\vc", L"DisplayName",
                             L"Microsoft Visual C++ 2015 Redistributable");
  d.machine.security.administrator = true;
  d.Run();
  const std::vector<Result> want = {
      {L"Operating system", L"Windows 10 Pro", CategoryOperatingSystem},
      {L"Disk(1)", L"a", CategoryOperatingSystem},
      {L"Disk(2)", L"c", CategoryOperatingSystem},
      {L"Disk(3)", L"d", CategoryOperatingSystem},
      {L"Microsoft Visual C++ 2015 Redistributable", L"Yes", CategoryOperatingSystem},
      {L"Administrator rights", L"Yes", CategoryOperatingSystem},
  };
  EXPECT_EQ(d.window.results, want);
  EXPECT_EQ(d.window.progress.front(), L"Operating System");
}

}  // namespace

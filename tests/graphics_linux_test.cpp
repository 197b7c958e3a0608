// The Linux backends of the hardware and graphics interfaces, against the
// machine: CPUID, /proc/meminfo, an Xvfb server of the test's own, Mesa
// through EGL and the OpenCL loader with PoCL.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/temp_dir.h"
#include "platform/linux/display_linux.h"
#include "platform/linux/edid.h"
#include "platform/linux/meminfo.h"
#include "platform/linux/memory_linux.h"
#include "platform/linux/opencl_linux.h"
#include "platform/linux/opengl_linux.h"
#include "platform/linux/security_linux.h"
#include "platform/x86_cpu.h"
#include "xvfb_server.h"

// The drivers these tests load (Mesa, the OpenCL loader and its ICDs,
// libXrandr) keep allocations for the life of the process, some in libraries
// already unloaded when the leak check runs: their leaks are not ours to find
// here. Memory errors are still caught.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

namespace {

namespace fs = std::filesystem;
using namespace platform;
using namespace platform::linux_backend;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The words after "flags" in /proc/cpuinfo, as the kernel reports them.
std::set<std::string> CpuinfoFlags() {
  std::istringstream lines(ReadFile("/proc/cpuinfo"));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("flags", 0) != 0) continue;
    std::istringstream words(line.substr(line.find(':') + 1));
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
  }
  return {};
}

#if defined(__x86_64__) || defined(__i386__)
TEST(CpuidCpu, AgreesWithTheKernelsFlags) {
  const std::optional<CpuFeatureBits> bits = CpuidCpu().FeatureBits();
  ASSERT_TRUE(bits.has_value());
  const std::set<std::string> flags = CpuinfoFlags();
  ASSERT_FALSE(flags.empty());
  struct Case {
    const char* name;
    std::uint32_t bit;
  };
  // The kernel does not list osxsave; it sets that bit exactly when it uses
  // XSAVE itself, which it lists as xsave.
  const Case cases[] = {{"sse4_2", 1u << 20}, {"fma", 1u << 12}, {"xsave", 1u << 27}, {"avx", 1u << 28}};
  for (const Case& c : cases) {
    EXPECT_EQ((bits->leaf1Ecx & c.bit) != 0, flags.count(c.name) == 1) << c.name;
  }
  // XCR0 is asked exactly when OSXSAVE allows it; x87 state is always on,
  // and the kernel shows AVX only when it saves the SSE and AVX state.
  ASSERT_EQ(bits->xcr0.has_value(), (bits->leaf1Ecx & (1u << 27)) != 0);
  if (bits->xcr0) {
    EXPECT_EQ(*bits->xcr0 & 1, 1u);
    if (flags.count("avx") == 1) {
      EXPECT_EQ(*bits->xcr0 & 6, 6u);
    }
  }
}
#endif

TEST(ParseMemoryLoad, ComputesTheShareInUse) {
  struct Case {
    const char* name;
    std::string meminfo;
    std::uint32_t want;
  };
  const Case cases[] = {
      {"available memory", "MemTotal: 1000 kB\nMemFree: 100 kB\nMemAvailable: 250 kB\nBuffers: 10 kB\n", 75},
      {"rounded down", "MemTotal: 3 kB\nMemAvailable: 1 kB\n", 66},
      {"old kernel: free, buffers and cache; SwapCached is another line",
       "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nSwapCached: 999 kB\nCached: 150 kB\n", 70},
      {"available wins over the old sum", "MemTotal: 1000 kB\nMemFree: 900 kB\nMemAvailable: 500 kB\n"
                                          "Buffers: 0 kB\nCached: 0 kB\n", 50},
      {"no line feed at the end, tabs", "MemTotal:\t2000 kB\nMemAvailable:\t  500 kB", 75},
      {"nothing in use", "MemTotal: 1000 kB\nMemAvailable: 1000 kB\n", 0},
      {"all in use", "MemTotal: 1000 kB\nMemAvailable: 0 kB\n", 100},
      {"available above the total", "MemTotal: 1000 kB\nMemAvailable: 1200 kB\n", 0},
      {"large but multipliable", "MemTotal: 100000000000000000 kB\nMemAvailable: 25000000000000000 kB\n", 75},
      {"too large to multiply", "MemTotal: 1000000000000000000 kB\nMemAvailable: 1 kB\n", 0},
      {"old kernel without Cached", "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\n", 0},
      {"no total", "MemAvailable: 10 kB\n", 0},
      {"total of 0", "MemTotal: 0 kB\nMemAvailable: 0 kB\n", 0},
      {"value not a number", "MemTotal: 1000 kB\nMemAvailable: lots kB\n", 0},
      {"negative value", "MemTotal: 1000 kB\nMemAvailable: -5 kB\n", 0},
      {"unknown unit", "MemTotal: 1 MB\nMemAvailable: 100 kB\n", 0},
      {"empty", "", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseMemoryLoad(c.meminfo), c.want) << c.name;
}

class ProcMemoryTest : public ::testing::Test {
 protected:
  fakes::TempDir dir_{"veloinspect-meminfo"};
  const fs::path& root_ = dir_.Path();
};

TEST_F(ProcMemoryTest, ReadsTheFileUnderTheRoot) {
  EXPECT_EQ(ProcMemory(root_).MemoryLoad(), 0u) << "no proc directory";
  fs::create_directories(root_ / "proc");
  std::ofstream(root_ / "proc" / "meminfo") << "MemTotal: 4000 kB\nMemFree: 1000 kB\nMemAvailable: 1000 kB\n";
  EXPECT_EQ(ProcMemory(root_).MemoryLoad(), 75u);
}

// 0 is also the answer of a failed read; a running machine always has more
// than one percent of its memory in use.
TEST(ProcMemory, MachineLoadIsAPercentage) {
  ASSERT_TRUE(fs::exists("/proc/meminfo"));
  const std::uint32_t load = ProcMemory().MemoryLoad();
  EXPECT_GT(load, 0u);
  EXPECT_LE(load, 100u);
}

TEST(LinuxSecurity, AdministratorMeansEffectiveUserRoot) {
  // The status file's Uid line holds the real, effective, saved and file
  // system user ids.
  std::istringstream lines(ReadFile("/proc/self/status"));
  std::string line;
  std::optional<long> effective;
  while (std::getline(lines, line)) {
    long real = -1;
    long id = -1;
    if (std::sscanf(line.c_str(), "Uid: %ld %ld", &real, &id) == 2) effective = id;
  }
  ASSERT_TRUE(effective.has_value());
  EXPECT_EQ(LinuxSecurity().IsUserAdministrator(), *effective == 0);
}

// An EDID base block: header, a detailed timing in the first slot whose
// fourth byte happens to equal the product name tag, then three display
// descriptors, and the checksum.
std::vector<std::uint8_t> MakeEdid(const std::vector<std::pair<std::uint8_t, std::string>>& descriptors) {
  // Made at its full size and then filled: growing a short vector trips a
  // false bounds warning of GCC 12 at -O3.
  std::vector<std::uint8_t> edid(128, 0);
  const std::array<std::uint8_t, 12> start = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x10, 0xAC, 0x34, 0x12};
  std::copy(start.begin(), start.end(), edid.begin());
  edid[18] = 1;
  edid[19] = 4;
  const std::array<std::uint8_t, 4> timing = {0x02, 0x3A, 0x80, 0xFC};
  std::copy(timing.begin(), timing.end(), edid.begin() + 54);
  std::size_t offset = 72;
  for (const auto& [tag, text] : descriptors) {
    edid[offset + 3] = tag;
    std::string padded = text;
    padded.resize(13, ' ');
    std::copy(padded.begin(), padded.end(), edid.begin() + static_cast<std::ptrdiff_t>(offset) + 5);
    offset += 18;
  }
  unsigned sum = 0;
  for (std::size_t i = 0; i < 127; ++i) sum += edid[i];
  edid[127] = static_cast<std::uint8_t>(256 - sum % 256);
  return edid;
}

TEST(MonitorNameFromEdid, ReadsTheProductNameDescriptor) {
  const std::vector<std::uint8_t> named = MakeEdid({{0xFF, "CFV9N99T0WXL\n"}, {0xFC, "DELL U2719D\n"}});
  std::vector<std::uint8_t> badHeader = named;
  badHeader[0] = 0x01;
  badHeader[127] = static_cast<std::uint8_t>(badHeader[127] - 1);
  std::vector<std::uint8_t> badChecksum = named;
  ++badChecksum[127];
  std::vector<std::uint8_t> withExtension = named;
  withExtension.resize(256, 0xAB);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> edid;
    std::wstring want;
  };
  const Case cases[] = {
      {"name after a serial number", named, L"DELL U2719D"},
      {"thirteen characters, no line feed", MakeEdid({{0xFC, "ABCDEFGHIJKLM"}}), L"ABCDEFGHIJKLM"},
      {"first of two names", MakeEdid({{0xFC, "First\n"}, {0xFC, "Second\n"}}), L"First"},
      {"inner spaces kept, padding dropped", MakeEdid({{0xFC, "HP Z27  \n"}}), L"HP Z27"},
      {"extension block after the base block", withExtension, L"DELL U2719D"},
      {"no product name, only a timing with the tag byte", MakeEdid({{0xFF, "SERIAL\n"}, {0xFD, ""}}), L""},
      {"name of spaces", MakeEdid({{0xFC, "\n"}}), L""},
      {"control character", MakeEdid({{0xFC, "AB\x01" "C\n"}}), L""},
      {"byte above ASCII", MakeEdid({{0xFC, "Caf\xE9\n"}}), L""},
      {"bad header", badHeader, L""},
      {"bad checksum", badChecksum, L""},
      {"short buffer", std::vector<std::uint8_t>(named.begin(), named.end() - 1), L""},
      {"empty", {}, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(MonitorNameFromEdid(c.edid), c.want) << c.name;
}

// Sets or removes an environment variable for one test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value == nullptr) {
      unsetenv(name);
    } else {
      setenv(name, value, 1);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_.c_str(), old_->c_str(), 1);
    } else {
      unsetenv(name_.c_str());
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// Collects what is written to file descriptor 2 while it lives, where both
// Xlib and libxcb would report a failed connection.
class StderrCapture {
 public:
  StderrCapture() : file_(std::tmpfile()), saved_(dup(2)) {
    std::fflush(stderr);
    dup2(fileno(file_), 2);
  }
  ~StderrCapture() {
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    std::fclose(file_);
  }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  std::string Text() {
    std::fflush(stderr);
    std::rewind(file_);
    std::string text;
    for (int c = std::fgetc(file_); c != EOF; c = std::fgetc(file_)) text.push_back(static_cast<char>(c));
    return text;
  }

 private:
  std::FILE* file_;
  int saved_;
};

TEST(XrandrDisplay, NoDisplayGivesEmptyListsSilently) {
  struct Case {
    const char* name;
    const char* display;
  };
  const Case cases[] = {{"unset", nullptr}, {"empty", ""}, {"no server there", ":9876"}};
  for (const Case& c : cases) {
    const ScopedEnv env("DISPLAY", c.display);
    StderrCapture capture;
    XrandrDisplay display;
    EXPECT_TRUE(display.MonitorSizes().empty()) << c.name;
    EXPECT_TRUE(display.MonitorNames().empty()) << c.name;
    EXPECT_EQ(capture.Text(), "") << c.name;
  }
}

class XrandrDisplayOnXvfb : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!server_.Installed()) GTEST_SKIP() << "Xvfb is not installed";
    ASSERT_TRUE(server_.Running()) << server_.Failure();
    env_.emplace("DISPLAY", server_.Name().c_str());
  }

  testing_support::XvfbServer server_;
  std::optional<ScopedEnv> env_;
  XrandrDisplay display_;
};

TEST_F(XrandrDisplayOnXvfb, OneScreenSizedMonitorWithoutName) {
  EXPECT_EQ(display_.MonitorSizes(), (std::vector<MonitorSize>{{1024, 768}}));
  EXPECT_EQ(display_.MonitorNames(), std::vector<std::wstring>{L""});
}

TEST_F(XrandrDisplayOnXvfb, NameComesFromTheOutputsEdid) {
  ASSERT_TRUE(server_.SetEdid(MakeEdid({{0xFF, "CFV9N99T0WXL\n"}, {0xFC, "DELL U2719D\n"}})));
  EXPECT_EQ(display_.MonitorNames(), std::vector<std::wstring>{L"DELL U2719D"});
  ASSERT_TRUE(server_.SetEdid(MakeEdid({{0xFF, "CFV9N99T0WXL\n"}})));
  EXPECT_EQ(display_.MonitorNames(), std::vector<std::wstring>{L""}) << "an EDID without a name";
}

TEST_F(XrandrDisplayOnXvfb, SecondMonitorAddsASize) {
  ASSERT_TRUE(server_.AddMonitor(1024, 0, 640, 480));
  std::vector<MonitorSize> sizes = display_.MonitorSizes();
  std::sort(sizes.begin(), sizes.end(), [](const MonitorSize& a, const MonitorSize& b) { return a.width < b.width; });
  EXPECT_EQ(sizes, (std::vector<MonitorSize>{{640, 480}, {1024, 768}}));
  EXPECT_EQ(display_.MonitorNames().size(), 1u) << "the added monitor has no output";
}

// Without RandR there are no monitors to ask for (Xlib would complain on
// standard error); the screen stands in for the one monitor instead.
TEST(XrandrDisplay, ServerWithoutRandrGivesTheScreen) {
  const testing_support::XvfbServer server({"-extension", "RANDR"});
  if (!server.Installed()) GTEST_SKIP() << "Xvfb is not installed";
  ASSERT_TRUE(server.Running()) << server.Failure();
  const ScopedEnv env("DISPLAY", server.Name().c_str());
  StderrCapture capture;
  XrandrDisplay display;
  EXPECT_EQ(display.MonitorSizes(), (std::vector<MonitorSize>{{1024, 768}}));
  EXPECT_TRUE(display.MonitorNames().empty());
  EXPECT_EQ(capture.Text(), "");
}

TEST(EglOpenGL, AnswersTheDriversStrings) {
  struct Case {
    const char* name;
    std::uint32_t enumerant;
    std::uint32_t error;
    std::size_t shortestText;
  };
  constexpr std::uint32_t kInvalidEnum = 0x0500;
  const Case cases[] = {
      {"vendor", 7936, 0, 1},       {"renderer", 7937, 0, 1},          {"version", 7938, 0, 3},
      {"extensions", 7939, 0, 500}, {"zero", 0, kInvalidEnum, 0},      {"unknown", 12345, kInvalidEnum, 0},
  };
  EglOpenGL opengl;
  for (const Case& c : cases) {
    const GlAnswer answer = opengl.GetString(0, c.enumerant);
    ASSERT_EQ(answer.failure, GlFailure::None) << c.name;
    EXPECT_EQ(answer.error, c.error) << c.name;
    if (c.error != 0) {
      EXPECT_FALSE(answer.text.has_value()) << c.name;
      continue;
    }
    ASSERT_TRUE(answer.text.has_value()) << c.name;
    EXPECT_GE(answer.text->size(), c.shortestText) << c.name;
    if (c.enumerant == 7938) {
      EXPECT_TRUE(std::iswdigit((*answer.text)[0])) << c.name;
    }
    if (c.enumerant == 7939) {
      EXPECT_NE(answer.text->find(L"GL_ARB_"), std::wstring::npos) << c.name;
    }
  }
}

constexpr std::uint32_t kPlatformName = 0x0902;
constexpr std::uint64_t kDeviceTypeAll = 0xFFFFFFFF;
constexpr std::uint32_t kDeviceType = 0x1000;
constexpr std::uint32_t kDeviceVersion = 0x102F;
constexpr std::int32_t kNoPlatform = -1001;

std::string InfoText(OpenCL& opencl, bool device, ClId id, std::uint32_t name) {
  std::array<char, 256> buffer{};
  const std::int32_t status = device ? opencl.GetDeviceInfo(id, name, buffer.size(), buffer.data(), nullptr)
                                     : opencl.GetPlatformInfo(id, name, buffer.size(), buffer.data(), nullptr);
  return status == 0 ? std::string(buffer.data()) : "error " + std::to_string(status);
}

TEST(DlopenOpenCL, FindsPoclsCpuDevice) {
  DlopenOpenCL opencl;
  ASSERT_TRUE(opencl.Load());
  std::uint32_t count = 0;
  ASSERT_EQ(opencl.GetPlatformIDs(0, nullptr, &count), 0);
  ASSERT_GE(count, 1u);
  std::vector<ClId> platforms(count);
  ASSERT_EQ(opencl.GetPlatformIDs(count, platforms.data(), nullptr), 0);
  const auto pocl = std::find_if(platforms.begin(), platforms.end(), [&](ClId platform) {
    return InfoText(opencl, false, platform, kPlatformName) == "Portable Computing Language";
  });
  ASSERT_NE(pocl, platforms.end());
  ClId device = nullptr;
  ASSERT_EQ(opencl.GetDeviceIDs(*pocl, kDeviceTypeAll, 1, &device, nullptr), 0);
  std::uint64_t type = 0;
  ASSERT_EQ(opencl.GetDeviceInfo(device, kDeviceType, sizeof type, &type, nullptr), 0);
  EXPECT_EQ(type, 2u);
  EXPECT_EQ(InfoText(opencl, true, device, kDeviceVersion).rfind("OpenCL ", 0), 0u);
}

TEST(DlopenOpenCL, LibraryMissingOrIncompleteAnswersErrors) {
  struct Case {
    const char* name;
    const char* library;
  };
  const Case cases[] = {{"missing", "libveloinspect-no-such-opencl.so.1"}, {"without the functions", "libm.so.6"}};
  for (const Case& c : cases) {
    DlopenOpenCL opencl(c.library);
    std::uint32_t count = 7;
    EXPECT_EQ(opencl.GetPlatformIDs(0, nullptr, &count), kNoPlatform) << c.name;
    EXPECT_EQ(count, 7u) << c.name;
    EXPECT_FALSE(opencl.Load()) << c.name;
    EXPECT_EQ(opencl.GetPlatformInfo(nullptr, kPlatformName, 0, nullptr, nullptr), kNoPlatform) << c.name;
    EXPECT_EQ(opencl.GetDeviceIDs(nullptr, kDeviceTypeAll, 0, nullptr, nullptr), kNoPlatform) << c.name;
    EXPECT_EQ(opencl.GetDeviceInfo(nullptr, kDeviceType, 0, nullptr, nullptr), kNoPlatform) << c.name;
  }
}

// The loader reads OCL_ICD_VENDORS once, when it is first asked, so this
// runs in a process of its own that CTest starts with the variable set.
TEST(DlopenOpenCLWithoutVendors, LoaderWithoutPlatforms) {
  const char* vendors = std::getenv("OCL_ICD_VENDORS");
  if (vendors == nullptr || std::string(vendors) != "/nonexistent") {
    GTEST_SKIP() << "needs OCL_ICD_VENDORS=/nonexistent from the start of the process";
  }
  DlopenOpenCL opencl;
  EXPECT_TRUE(opencl.Load());
  std::uint32_t count = 0;
  EXPECT_EQ(opencl.GetPlatformIDs(0, nullptr, &count), kNoPlatform);
}

}  // namespace

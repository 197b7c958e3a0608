#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "fakes/temp_dir.h"
#include "base/utf.h"
#include "platform/linux/wmi/cim_datetime.h"
#include "platform/linux/wmi/disk_drive_class.h"
#include "platform/linux/wmi/linux_classes.h"
#include "platform/linux/wmi/machine_kind.h"
#include "platform/linux/wmi/mounted_volumes.h"
#include "platform/linux/wmi/operating_system_class.h"
#include "platform/linux/wmi/pci_ids.h"
#include "platform/linux/wmi/proc_parsers.h"
#include "platform/linux/wmi/smbios_memory.h"
#include "platform/linux/wmi/sys_files.h"
#include "platform/linux/wmi/video_controller_class.h"
#include "fakes/wmi_value_printer.h"

namespace {

namespace fs = std::filesystem;
using namespace platform::linux_backend::wmi;
using platform::WmiValue;

const fs::path kSysroot = fs::path(VELOINSPECT_SOURCE_DIR) / "tests/data/sysroot";

std::string ReadSample(const std::string& relative) { return ReadFileText(kSysroot / relative).value(); }

WmiValue Str(const std::wstring& text) { return WmiValue::String(text); }
WmiValue Int(std::int64_t number) { return WmiValue::Integer(number); }
const WmiValue kNull = WmiValue::Null();

WmiValue Get(const Instance& instance, const std::wstring& name) {
  const auto found = instance.find(name);
  return found == instance.end() ? WmiValue::Null() : found->second;
}

// What WMI makes of each CIM type: 64-bit integers and datetimes arrive as
// text, smaller integers as numbers.
WmiValue::Type ShapeOf(CimType type) {
  switch (type) {
    case CimType::String:
    case CimType::DateTime:
    case CimType::UInt64:
    case CimType::SInt64:
      return WmiValue::Type::String;
    case CimType::Boolean:
      return WmiValue::Type::Boolean;
    case CimType::Real32:
    case CimType::Real64:
      return WmiValue::Type::Real;
    default:
      return WmiValue::Type::Integer;
  }
}

// Every value of every instance belongs to a declared property and has the
// shape of its type; numbers fit their type, texts of 64-bit integers are
// numbers and datetimes have the CIM form.
void ExpectWellTyped(const WmiClass& wmiClass, const std::vector<Instance>& instances) {
  std::map<std::wstring, CimType> declared;
  for (const PropertySpec& property : wmiClass.Properties()) {
    EXPECT_TRUE(declared.emplace(property.name, property.type).second) << "declared twice";
  }
  for (const Instance& instance : instances) {
    for (const auto& [name, value] : instance) {
      const std::string where = text::ToUtf8(wmiClass.Name() + L"." + name);
      const auto found = declared.find(name);
      ASSERT_NE(found, declared.end()) << where;
      EXPECT_EQ(value.type, ShapeOf(found->second)) << where;
      if (found->second == CimType::UInt64) {
        EXPECT_TRUE(ParseNumber(text::ToUtf8(value.text))) << where;
      } else if (found->second == CimType::DateTime) {
        EXPECT_EQ(value.text.size(), 25u) << where;
        EXPECT_EQ(value.text[14], L'.') << where;
      } else if (found->second == CimType::UInt16) {
        EXPECT_TRUE(value.integer >= 0 && value.integer <= 0xFFFF) << where;
      } else if (found->second == CimType::UInt32) {
        EXPECT_TRUE(value.integer >= 0 && value.integer <= 0xFFFFFFFFll) << where;
      }
    }
  }
}

class FakeCalls final : public SystemCalls {
 public:
  std::optional<KernelNames> names;
  std::map<fs::path, VolumeSpace> spaces;  // by the path asked for
  std::int64_t now = 0;
  int offsetMinutes = 0;

  std::optional<KernelNames> Uname() const override { return names; }
  std::optional<VolumeSpace> StatVfs(const fs::path& path) const override {
    const auto found = spaces.find(path);
    if (found == spaces.end()) return std::nullopt;
    return found->second;
  }
  std::int64_t Now() const override { return now; }
  std::optional<int> UtcOffsetMinutes(std::int64_t) const override { return offsetMinutes; }
};

// A machine's files below a fresh directory.
class Tree {
 public:
  const fs::path& Root() const { return dir_.Path(); }
  void Write(const std::string& path, const std::string& text) const {
    fs::create_directories((Root() / path).parent_path());
    std::ofstream(Root() / path, std::ios::binary) << text;
  }
  void Link(const std::string& path, const std::string& target) const {
    fs::create_directories((Root() / path).parent_path());
    fs::create_symlink(target, Root() / path);
  }

 private:
  fakes::TempDir dir_{"veloinspect-sysroot"};
};

// The instances of one class of the machine below the root, checked for
// their types on the way.
std::vector<Instance> InstancesOf(const std::wstring& className, const fs::path& root,
                                  std::shared_ptr<const SystemCalls> calls) {
  for (const std::unique_ptr<WmiClass>& wmiClass : MakeLinuxClasses(root, std::move(calls))) {
    if (wmiClass->Name() != className) continue;
    std::vector<Instance> instances = wmiClass->Instances();
    ExpectWellTyped(*wmiClass, instances);
    return instances;
  }
  ADD_FAILURE() << "no class " << text::ToUtf8(className);
  return {};
}

}  // namespace

namespace {

// /proc/cpuinfo of one Intel package with two cores and hyper-threading,
// blanks around the model name as some firmware leaves them.
std::string IntelCpuInfo(int processors, double mhz) {
  std::string text;
  for (int n = 0; n < processors; ++n) {
    text += "processor\t: " + std::to_string(n) +
            "\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: 106\n"
            "model name\t:   Intel(R) Xeon(R) Silver 4310 CPU @ 2.10GHz  \nstepping\t: 6\n"
            "cpu MHz\t\t: " +
            std::to_string(mhz) + "\nphysical id\t: " + std::to_string(n % 2) +
            "\ncore id\t\t: " + std::to_string(n / 2 % 2) +
            "\nflags\t\t: fpu vme de pse tsc msr pae mce cx8 apic sep mtrr pge mca cmov pat pse36 clflush dts acpi "
            "mmx fxsr sse sse2 ss ht tm pbe syscall nx pdpe1gb rdtscp lm constant_tsc pni fma avx avx2\n\n";
  }
  return text;
}

const char kArmCpuInfo[] =
    "processor\t: 0\nBogoMIPS\t: 50.00\nFeatures\t: fp asimd evtstrm aes pmull sha1 sha2 crc32 atomics cpuid\n"
    "CPU implementer\t: 0x41\nCPU architecture: 8\nCPU variant\t: 0x3\nCPU part\t: 0xd0c\nCPU revision\t: 1\n\n"
    "processor\t: 1\nBogoMIPS\t: 50.00\nFeatures\t: fp asimd evtstrm aes pmull sha1 sha2 crc32 atomics cpuid\n"
    "CPU implementer\t: 0x41\nCPU architecture: 8\nCPU variant\t: 0x3\nCPU part\t: 0xd0c\nCPU revision\t: 1\n";

TEST(ParseCpuInfo, ReadsTheProcessorsOfX86AndArm) {
  struct Case {
    const char* name;
    std::string text;
    std::size_t count;
    std::uint32_t lastProcessor;
    std::string vendor;
    std::string model;
    std::optional<double> mhz;
    std::optional<std::uint32_t> family, modelNumber, stepping, physicalId, coreId, implementer, part;
  };
  const Case cases[] = {
      {"this virtual machine", ReadSample("proc/cpuinfo"), 2, 1, "AuthenticAMD", "AMD EPYC", 2596.148, 25, 17, 1, 0, 0,
       std::nullopt, std::nullopt},
      {"intel, name trimmed", IntelCpuInfo(4, 2100), 4, 3, "GenuineIntel", "Intel(R) Xeon(R) Silver 4310 CPU @ 2.10GHz",
       2100, 6, 106, 6, 0, 0, std::nullopt, std::nullopt},
      {"arm", kArmCpuInfo, 2, 1, "", "", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
       std::nullopt, 0x41, 0xd0c},
      {"lines before the first processor and without a colon are dropped",
       "vendor_id : Nobody\nno colon here\nprocessor : 7\nmodel : x1\nstepping : unknown\ncpu MHz : -5\n", 1, 7, "", "",
       std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
      {"a processor line without a number starts nothing", "processor : zero\nvendor_id : X\n", 0, 0, "", "",
       std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::vector<CpuInfoEntry> entries = ParseCpuInfo(c.text);
    ASSERT_EQ(entries.size(), c.count) << c.name;
    if (entries.empty()) continue;
    const CpuInfoEntry& first = entries.front();
    EXPECT_EQ(first.vendorId, c.vendor) << c.name;
    EXPECT_EQ(first.modelName, c.model) << c.name;
    EXPECT_EQ(first.mhz, c.mhz) << c.name;
    EXPECT_EQ(first.family, c.family) << c.name;
    EXPECT_EQ(first.model, c.modelNumber) << c.name;
    EXPECT_EQ(first.stepping, c.stepping) << c.name;
    EXPECT_EQ(first.physicalId, c.physicalId) << c.name;
    EXPECT_EQ(first.coreId, c.coreId) << c.name;
    EXPECT_EQ(first.implementer, c.implementer) << c.name;
    EXPECT_EQ(first.part, c.part) << c.name;
    EXPECT_EQ(entries.back().processor, c.lastProcessor) << c.name;
  }
  EXPECT_TRUE(HasFlag(ParseCpuInfo(ReadSample("proc/cpuinfo"))[1].flags, "hypervisor"));
  EXPECT_FALSE(HasFlag("fpu vme hypervisorx", "hypervisor"));
}

TEST(ParseMemInfo, TakesKilobyteFiguresOnly) {
  const MemInfo vm = ParseMemInfo(ReadSample("proc/meminfo"));
  EXPECT_EQ(vm.totalKb, 24683716u);
  EXPECT_EQ(vm.freeKb, 20787244u);
  EXPECT_EQ(vm.availableKb, 23635352u);
  EXPECT_EQ(vm.swapTotalKb, 0u);
  EXPECT_EQ(vm.swapFreeKb, 0u);

  const MemInfo odd = ParseMemInfo(
      "MemTotal: 1024 MB\nMemFree:\nMemAvailable: 12x kB\nSwapTotal:  8 kB extra\nSwapFree: 4 kB\r\nHugePages_Total: "
      "5\n");
  EXPECT_EQ(odd.totalKb, std::nullopt) << "another unit";
  EXPECT_EQ(odd.freeKb, std::nullopt) << "no number";
  EXPECT_EQ(odd.availableKb, std::nullopt) << "not a number";
  EXPECT_EQ(odd.swapTotalKb, std::nullopt) << "trailing field";
  EXPECT_EQ(odd.swapFreeKb, 4u) << "carriage return";
}

TEST(ParseOsRelease, UnquotesAsTheShellDoesAndFormsTheCaption) {
  struct Case {
    const char* name;
    std::string text;
    std::map<std::string, std::string> want;
    std::string caption;
  };
  const Case cases[] = {
      {"this virtual machine",
       ReadSample("etc/os-release"),
       {{"PRETTY_NAME", "Debian GNU/Linux 12 (bookworm)"},
        {"NAME", "Debian GNU/Linux"},
        {"VERSION_ID", "12"},
        {"VERSION", "12 (bookworm)"},
        {"VERSION_CODENAME", "bookworm"},
        {"ID", "debian"},
        {"HOME_URL", "https://www.debian.org/"},
        {"SUPPORT_URL", "https://www.debian.org/support"},
        {"BUG_REPORT_URL", "https://bugs.debian.org/"}},
       "Debian GNU/Linux 12 (bookworm)"},
      {"name and version without a pretty name, escapes and single quotes",
       "# a comment\nNAME=\"Fedora \\\"Linux\\\" \\$HOME \\n\"\nVERSION='39 (Work\"station)'\n",
       {{"NAME", "Fedora \"Linux\" $HOME \\n"}, {"VERSION", "39 (Work\"station)"}},
       "Fedora \"Linux\" $HOME \\n 39 (Work\"station)"},
      {"name alone, unquoted, assigned twice",
       "NAME=Alpine\nNAME=Alpine Linux\nID=alpine\n",
       {{"NAME", "Alpine Linux"}, {"ID", "alpine"}},
       "Alpine Linux"},
      {"unclosed quote, bad names, empty pretty name, nothing else",
       "PRETTY_NAME=\"\"\nBAD-NAME=x\n=y\nno assignment\nID=\"open\n",
       {{"PRETTY_NAME", ""}, {"ID", "open"}},
       "Linux"},
  };
  for (const Case& c : cases) {
    const std::map<std::string, std::string> values = ParseOsRelease(c.text);
    EXPECT_EQ(values, c.want) << c.name;
    EXPECT_EQ(OsCaption(values), c.caption) << c.name;
  }
}

TEST(ParseMounts, DecodesEscapesAndSkipsShortLines) {
  const std::vector<MountEntry> vm = ParseMounts(ReadSample("proc/self/mounts"));
  ASSERT_EQ(vm.size(), 20u);
  EXPECT_EQ(vm[5], (MountEntry{"/dev/vda", "/", "ext4"}));

  const std::vector<MountEntry> escaped = ParseMounts(
      "/dev/sdb1 /media/MY\\040STICK\\011tab\\134back vfat rw 0 0\n"
      "//nas/a\\040b /mnt/x\\0 cifs rw 0 0\n"
      "short line\n\n"
      "dev /mnt/\\777 ext4\n");
  const std::vector<MountEntry> want = {{"/dev/sdb1", "/media/MY STICK\ttab\\back", "vfat"},
                                        {"//nas/a b", "/mnt/x\\0", "cifs"},
                                        {"dev", "/mnt/\\777", "ext4"}};
  EXPECT_EQ(escaped, want);
  EXPECT_EQ(OsName("Debian GNU/Linux 12 (bookworm)", vm), "Debian GNU/Linux 12 (bookworm)|/|/dev/vda");
  EXPECT_EQ(OsName("Distro", {{"/dev/sda1", "/", "ext4"}, {"/dev/sda2", "/", "btrfs"}}), "Distro|/|/dev/sda2")
      << "the last mount of / is the one seen";
  EXPECT_EQ(OsName("Distro", {}), "Distro|/|");
}

TEST(LookUpPciIds, FindsTheDeviceUnderItsVendorOnly) {
  const std::string ids =
      "# pci.ids\r\n"
      "10de  NVIDIA Corporation\n"
      "\t1f08  TU106 [GeForce RTX 2060 Rev. A]\n"
      "\t2504  GA106 [GeForce RTX 3060 Lite Hash Rate]\n"
      "\t\t1462 397d  RTX 3060 Ventus 2X\n"
      "1462  Micro-Star International Co., Ltd. [MSI]\n"
      "\t1f08  Not this one\r\n"
      "\t7777  An MSI device\r\n"
      "8086  Intel Corporation\n"
      "C 03  Display controller\n"
      "\t00  VGA compatible controller\n";
  struct Case {
    const char* name;
    std::uint16_t vendor;
    std::uint16_t device;
    std::optional<std::string> vendorName;
    std::optional<std::string> deviceName;
  };
  const Case cases[] = {
      {"known device", 0x10de, 0x2504, "NVIDIA Corporation", "GA106 [GeForce RTX 3060 Lite Hash Rate]"},
      {"subsystem ids are not devices", 0x10de, 0x1462, "NVIDIA Corporation", std::nullopt},
      {"same device id under the next vendor", 0x1462, 0x1f08, "Micro-Star International Co., Ltd. [MSI]",
       "Not this one"},
      {"carriage returns removed", 0x1462, 0x7777, "Micro-Star International Co., Ltd. [MSI]", "An MSI device"},
      {"device of a vendor listed later is not the earlier vendor's", 0x10de, 0x7777, "NVIDIA Corporation",
       std::nullopt},
      {"vendor without the device", 0x8086, 0x0000, "Intel Corporation", std::nullopt},
      {"classes are no vendors", 0x0003, 0x0000, std::nullopt, std::nullopt},
      {"unknown vendor", 0x1af4, 0x1042, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const PciNames names = LookUpPciIds(ids, c.vendor, c.device);
    EXPECT_EQ(names.vendor, c.vendorName) << c.name;
    EXPECT_EQ(names.device, c.deviceName) << c.name;
  }
}

// A memory device structure of SMBIOS 3.3 (length 0x5C) with its strings.
std::string MemoryDeviceBytes(std::uint16_t size, std::uint32_t extendedSize, std::uint16_t speed,
                              std::uint32_t extendedSpeed, std::uint8_t length = 0x5C) {
  std::string raw(0x5C, '\0');
  const auto word = [&](std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) raw[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
  };
  raw[0] = 17;
  raw[1] = static_cast<char>(length);
  word(0x08, 72, 2);
  word(0x0A, 64, 2);
  word(0x0C, size, 2);
  raw[0x0E] = 0x09;  // DIMM
  raw[0x10] = 1;
  raw[0x11] = 2;
  raw[0x12] = 0x1A;  // DDR4
  word(0x15, speed, 2);
  raw[0x17] = 3;
  raw[0x18] = 4;
  raw[0x1A] = 5;
  word(0x1C, extendedSize, 4);
  word(0x20, 2666, 2);
  word(0x54, extendedSpeed, 4);
  raw.resize(length);
  static const char kStrings[] =
      "DIMM_A1\0BANK 0\0Samsung\0"
      "0x1234ABCD\0M393A2K43DB3-CWE    \0";
  raw.append(kStrings, sizeof kStrings);
  return raw;
}

TEST(ParseMemoryDevice, ReadsSizesSpeedsAndStrings) {
  struct Case {
    const char* name;
    std::string raw;
    bool valid;
    bool installed;
    std::optional<std::uint64_t> capacity;
    std::optional<std::uint32_t> speed;
    std::optional<std::uint32_t> configuredSpeed;
  };
  const Case cases[] = {
      {"16 GB in megabytes", MemoryDeviceBytes(16384, 0, 3200, 0), true, true, 16ull << 30, 3200, 2666},
      {"64 GB in the extended size, speed in the extended speed", MemoryDeviceBytes(0x7FFF, 65536, 0xFFFF, 5600), true,
       true, 64ull << 30, 5600, 2666},
      {"512 KB in kilobytes", MemoryDeviceBytes(0x8200, 0, 0, 0), true, true, 512ull << 10, std::nullopt, 2666},
      {"unknown size", MemoryDeviceBytes(0xFFFF, 0, 2400, 0), true, true, std::nullopt, 2400, 2666},
      {"empty slot", MemoryDeviceBytes(0, 0, 0, 0), true, false, std::nullopt, std::nullopt, 2666},
      {"SMBIOS 2.1 length has no speed", MemoryDeviceBytes(8192, 0, 3200, 0, 0x15), true, true, 8ull << 30,
       std::nullopt, std::nullopt},
      {"extended size beyond the structure", MemoryDeviceBytes(0x7FFF, 65536, 0, 0, 0x1C), true, true, std::nullopt,
       std::nullopt, std::nullopt},
      {"another type", std::string("\x10\x17") + std::string(0x15, '\0'), false, false, std::nullopt, std::nullopt,
       std::nullopt},
      {"too short for its length", MemoryDeviceBytes(8192, 0, 0, 0).substr(0, 0x20), false, false, std::nullopt,
       std::nullopt, std::nullopt},
      {"length below the oldest structure", std::string("\x11\x10") + std::string(0x20, '\0'), false, false,
       std::nullopt, std::nullopt, std::nullopt},
      {"empty", "", false, false, std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<MemoryDevice> device = ParseMemoryDevice(c.raw);
    ASSERT_EQ(device.has_value(), c.valid) << c.name;
    if (!device) continue;
    EXPECT_EQ(device->installed, c.installed) << c.name;
    EXPECT_EQ(device->capacityBytes, c.capacity) << c.name;
    EXPECT_EQ(device->speed, c.speed) << c.name;
    EXPECT_EQ(device->configuredSpeed, c.configuredSpeed) << c.name;
  }
  const MemoryDevice dimm = *ParseMemoryDevice(MemoryDeviceBytes(16384, 0, 3200, 0));
  EXPECT_EQ(dimm.deviceLocator, "DIMM_A1");
  EXPECT_EQ(dimm.bankLocator, "BANK 0");
  EXPECT_EQ(dimm.manufacturer, "Samsung");
  EXPECT_EQ(dimm.serialNumber, "0x1234ABCD");
  EXPECT_EQ(dimm.partNumber, "M393A2K43DB3-CWE    ");
  EXPECT_EQ(dimm.formFactor, 8) << "DIMM in WMI's numbering";
  EXPECT_EQ(dimm.memoryType, 0x1A);
  EXPECT_EQ(dimm.dataWidth, 64);
  EXPECT_EQ(dimm.totalWidth, 72);

  // A string index past the strings, and strings cut off: "Sam" has lost
  // its end and does not count.
  std::string cut = MemoryDeviceBytes(16384, 0, 3200, 0).substr(0, 0x5C + 18);
  cut[0x1A] = 9;
  const MemoryDevice partial = *ParseMemoryDevice(cut);
  EXPECT_EQ(partial.bankLocator, "BANK 0");
  EXPECT_EQ(partial.manufacturer, std::nullopt);
  EXPECT_EQ(partial.partNumber, std::nullopt);
}

TEST(CimDateTime, FormsLocalTimesAndDatesAndRefusesWhatTheTextCannotHold) {
  struct Case {
    const char* name;
    std::optional<std::string> got;
    std::optional<std::string> want;
  };
  const Case cases[] = {
      {"boot time of this machine in UTC", FormatCimDateTime(1796907498, 0), "20261210125818.000000+000"},
      {"an hour east", FormatCimDateTime(1796907498, 60), "20261210135818.000000+060"},
      {"west, across midnight", FormatCimDateTime(951782400 + 3600, -300), "20000228200000.000000-300"},
      {"leap day", FormatCimDateTime(951782400, 0), "20000229000000.000000+000"},
      {"first moment of 1601", FormatCimDateTime(-11644473600, 0), "16010101000000.000000+000"},
      {"before 1601", FormatCimDateTime(-11644473601, 0), std::nullopt},
      {"after 9999", FormatCimDateTime(253402300800, 0), std::nullopt},
      {"offset too wide", FormatCimDateTime(0, 1000), std::nullopt},
      {"far beyond any year", FormatCimDateTime(INT64_MAX, 0), std::nullopt},
      {"firmware date", ParseDmiDate("07/25/2019"), "20190725000000.000000+000"},
      {"two-digit year of the 1900s", ParseDmiDate("12/31/99"), "19991231000000.000000+000"},
      {"no such day", ParseDmiDate("02/30/2020"), std::nullopt},
      {"three-digit year", ParseDmiDate("01/01/202"), std::nullopt},
      {"not a date", ParseDmiDate("2019-07-25"), std::nullopt},
      {"signs are no digits", ParseDmiDate("+1/01/2020"), std::nullopt},
      {"driver date", FormatCimDate(2023, 8, 19, "-000"), "20230819000000.000000-000"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(SysfsTexts, SmallParsersKeepOnlyWellFormedValues) {
  struct Case {
    const char* name;
    std::optional<std::string> got;
    std::optional<std::string> want;
  };
  const auto number = [](std::optional<std::uint64_t> n) {
    return n ? std::optional<std::string>(std::to_string(*n)) : std::nullopt;
  };
  const auto mode = [](std::optional<DisplayMode> m) {
    return m ? std::optional<std::string>(std::to_string(m->width) + "x" + std::to_string(m->height)) : std::nullopt;
  };
  const Case cases[] = {
      {"number", number(ParseNumber("4096")), "4096"},
      {"hex number", number(ParseNumber("0x1af4")), "6900"},
      {"bare 0x", number(ParseNumber("0x")), std::nullopt},
      {"negative", number(ParseNumber("-1")), std::nullopt},
      {"overflow", number(ParseNumber("18446744073709551616")), std::nullopt},
      {"cache kilobytes", number(ParseCacheSizeKb("1024K")), "1024"},
      {"cache megabytes", number(ParseCacheSizeKb("32M\n")), "32768"},
      {"cache without unit", number(ParseCacheSizeKb("512")), std::nullopt},
      {"cache overflow", number(ParseCacheSizeKb("18446744073709551615G")), std::nullopt},
      {"prefetchable region, ROM line ignored",
       number(LargestPrefetchableRegion("0x00000000fb000000 0x00000000fbffffff 0x0000000000040200\n"
                                        "0x00000000e0000000 0x00000000efffffff 0x000000000014220c\n"
                                        "0 0 0\n0 0 0\n0 0 0\n0 0 0\n"
                                        "0x0000000100000000 0x00000001ffffffff 0x0000000000002200\n")),
       "268435456"},
      {"only non-prefetchable memory (this machine's disk controller)",
       number(LargestPrefetchableRegion(ReadSample("sys/bus/pci/devices/0000:00:02.0/resource"))), std::nullopt},
      {"end before start", number(LargestPrefetchableRegion("0x2000 0x1000 0x2200\n")), std::nullopt},
      {"first mode", mode(ParseFirstMode("2560x1440\n1920x1080\n")), "2560x1440"},
      {"interlaced mode", mode(ParseFirstMode("1920x1080i\n")), "1920x1080"},
      {"no modes", mode(ParseFirstMode("")), std::nullopt},
      {"zero width", mode(ParseFirstMode("0x768\n")), std::nullopt},
      {"nvidia build date",
       ParseNvidiaDriverDate("NVRM version: NVIDIA UNIX x86_64 Kernel Module  535.104.05  Sat Aug 19 01:15:15 UTC "
                             "2023\nGCC version:  gcc version 12.2.0 (Debian 12.2.0-14)\n"),
       "20230819000000.000000-000"},
      {"nvidia line without a date", ParseNvidiaDriverDate("NVRM version: NVIDIA 535\n"), std::nullopt},
      {"nvidia bad month", ParseNvidiaDriverDate("NVRM a b c Sat Fooday 19 01:15:15 UTC 2023\n"), std::nullopt},
      {"udev label", DecodeUdevLabel("MY\\x20STICK\\x2fx\\x2"), "MY STICK/x\\x2"},
      {"vpd serial", ParseVpdSerial(std::string("\0\x80\0\x0c  S4X9NF0M\0\0", 16)), "S4X9NF0M"},
      {"vpd length beyond the page", ParseVpdSerial(std::string("\0\x80\x01\0ABC", 7)), "ABC"},
      {"vpd of another page",
       ParseVpdSerial(std::string("\0\x83\0\x04"
                                  "ABCD",
                                  8)),
       std::nullopt},
      {"boot time", number(ParseBootTime(ReadSample("proc/stat"))), "1796907498"},
      {"no boot time", number(ParseBootTime("cpu 1 2 3\nbtime\nbtime x\n")), std::nullopt},
      {"kernel build number", KernelBuildNumber("6.1.76-1-amd64"), "6.1.76"},
      {"kernel build number of a bare release", KernelBuildNumber("6.18.44."), "6.18.44"},
      {"release without numbers", KernelBuildNumber("custom"), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(MachineWords, MatchWindowsWhereWindowsRuns) {
  struct Case {
    const char* machine;
    std::optional<std::wstring> systemType;
    std::optional<std::uint16_t> architecture;
    std::optional<std::uint16_t> bits;
    std::optional<std::wstring> osArchitecture;
  };
  const Case cases[] = {
      {"x86_64", L"x64-based PC", 9, 64, L"64-bit"},
      {"i686", L"X86-based PC", 0, 32, L"32-bit"},
      {"aarch64", L"ARM64-based PC", 12, 64, L"ARM 64-bit Processor"},
      {"armv7l", std::nullopt, 5, 32, L"32-bit"},
      {"ppc64le", std::nullopt, 3, 64, L"64-bit"},
      {"riscv64", std::nullopt, std::nullopt, 64, L"64-bit"},
      {"i986", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const MachineKind kind = DescribeMachine(c.machine);
    EXPECT_EQ(kind.systemType, c.systemType) << c.machine;
    EXPECT_EQ(kind.architecture, c.architecture) << c.machine;
    EXPECT_EQ(kind.bits, c.bits) << c.machine;
    EXPECT_EQ(kind.osArchitecture, c.osArchitecture) << c.machine;
  }
}

TEST(DiskWords, InterfaceFromTheDevicePathAndKernelOrder) {
  struct Case {
    const char* path;
    std::wstring want;
  };
  const Case cases[] = {
      {"../devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda", L"IDE"},
      {"../devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb", L"USB"},
      {"../devices/pci0000:00/0000:00:1d.0/0000:02:00.0/nvme/nvme0/nvme0n1", L"SCSI"},
      {"../devices/pci0000:00/0000:00:02.0/virtio1/block/vda", L"SCSI"},
      {"../devices/pci0000:00/0000:00:1e.0/fw1/fw1.0/host7/target7:0:0/7:0:0:0/block/sdc", L"1394"},
      {"../devices/platform/usbfoo/ata/datastore/block/sdd", L"SCSI"},
      {"", L"SCSI"},
  };
  for (const Case& c : cases) EXPECT_EQ(DiskInterfaceType(c.path), c.want) << c.path;
  std::vector<std::string> names = {"sdaa", "nvme10n1", "sdz", "vda", "nvme2n1", "sda"};
  std::sort(names.begin(), names.end(), DiskNameLess);
  EXPECT_EQ(names, (std::vector<std::string>{"sda", "sdz", "vda", "sdaa", "nvme2n1", "nvme10n1"}));
}

TEST(DriveTypes, LocalNetworkOpticalOrNone) {
  EXPECT_EQ(DriveTypeOf("ext4"), DriveType::Local);
  EXPECT_EQ(DriveTypeOf("fuseblk"), DriveType::Local);
  EXPECT_EQ(DriveTypeOf("nfs4"), DriveType::Network);
  EXPECT_EQ(DriveTypeOf("virtiofs"), DriveType::Network);
  EXPECT_EQ(DriveTypeOf("iso9660"), DriveType::Optical);
  for (const char* type : {"proc", "sysfs", "tmpfs", "overlay", "squashfs", "cgroup2", "Ext4", ""}) {
    EXPECT_EQ(DriveTypeOf(type), std::nullopt) << type;
  }
  EXPECT_EQ(FormatPnpDeviceId({0x10de, 0x2504, 0x1462, 0x397d, 0xa1}, "0000:01:00.0"),
            "PCI\\VEN_10DE&DEV_2504&SUBSYS_397D1462&REV_A1\\0000:01:00.0");
}

}  // namespace

namespace {

std::shared_ptr<FakeCalls> VmCalls() {
  auto calls = std::make_shared<FakeCalls>();
  calls->names = KernelNames{"Linux", "vm", "6.18.44-fc-v1523", "x86_64"};
  calls->spaces[kSysroot / ""] = {536870912ull * 512, 400000000000ull};
  calls->now = 1796910000;
  return calls;
}

// The captured files of this virtual machine: an AMD processor with two
// cores, no firmware tables, no display device and one virtio disk.
TEST(LinuxClassesOnThisVm, ProcessorAndComputerSystem) {
  const std::vector<Instance> processors = InstancesOf(L"Win32_Processor", kSysroot, VmCalls());
  ASSERT_EQ(processors.size(), 1u);
  const Instance& cpu = processors[0];
  EXPECT_EQ(Get(cpu, L"DeviceID"), Str(L"CPU0"));
  EXPECT_EQ(Get(cpu, L"Name"), Str(L"AMD EPYC"));
  EXPECT_EQ(Get(cpu, L"Manufacturer"), Str(L"AuthenticAMD"));
  EXPECT_EQ(Get(cpu, L"Caption"), Str(L"AMD64 Family 25 Model 17 Stepping 1"));
  EXPECT_EQ(Get(cpu, L"ProcessorId"), Str(L"178BFBFF00A10F11"));
  EXPECT_EQ(Get(cpu, L"NumberOfCores"), Int(2));
  EXPECT_EQ(Get(cpu, L"NumberOfLogicalProcessors"), Int(2));
  EXPECT_EQ(Get(cpu, L"MaxClockSpeed"), Int(2596)) << "no cpufreq: cpu MHz";
  EXPECT_EQ(Get(cpu, L"CurrentClockSpeed"), Int(2596));
  EXPECT_EQ(Get(cpu, L"AddressWidth"), Int(64));
  EXPECT_EQ(Get(cpu, L"DataWidth"), Int(64));
  EXPECT_EQ(Get(cpu, L"Architecture"), Int(9));
  EXPECT_EQ(Get(cpu, L"L2CacheSize"), Int(2048)) << "one 1024K cache per core";
  EXPECT_EQ(Get(cpu, L"L3CacheSize"), Int(32768)) << "one 32M cache shared by both";

  const std::vector<Instance> systems = InstancesOf(L"Win32_ComputerSystem", kSysroot, VmCalls());
  ASSERT_EQ(systems.size(), 1u);
  const Instance& pc = systems[0];
  EXPECT_EQ(Get(pc, L"Name"), Str(L"vm"));
  EXPECT_EQ(Get(pc, L"Manufacturer"), kNull) << "no firmware tables";
  EXPECT_EQ(Get(pc, L"Model"), kNull);
  EXPECT_EQ(Get(pc, L"SystemType"), Str(L"x64-based PC"));
  EXPECT_EQ(Get(pc, L"NumberOfProcessors"), Int(1));
  EXPECT_EQ(Get(pc, L"NumberOfLogicalProcessors"), Int(2));
  EXPECT_EQ(Get(pc, L"TotalPhysicalMemory"), Str(L"25276125184"));
  EXPECT_EQ(Get(pc, L"HypervisorPresent"), WmiValue::Boolean(true));
}

TEST(LinuxClassesOnThisVm, OperatingSystemInKilobytesAndLocalTime) {
  auto calls = VmCalls();
  calls->offsetMinutes = 60;
  const std::vector<Instance> systems = InstancesOf(L"Win32_OperatingSystem", kSysroot, calls);
  ASSERT_EQ(systems.size(), 1u);
  const Instance& os = systems[0];
  EXPECT_EQ(Get(os, L"Caption"), Str(L"Debian GNU/Linux 12 (bookworm)"));
  EXPECT_EQ(Get(os, L"Name"), Str(L"Debian GNU/Linux 12 (bookworm)|/|/dev/vda"));
  EXPECT_EQ(Get(os, L"Version"), Str(L"6.18.44-fc-v1523"));
  EXPECT_EQ(Get(os, L"BuildNumber"), Str(L"6.18.44"));
  EXPECT_EQ(Get(os, L"OSArchitecture"), Str(L"64-bit"));
  EXPECT_EQ(Get(os, L"OSType"), Int(36));
  EXPECT_EQ(Get(os, L"Manufacturer"), kNull) << "Debian names no vendor";
  EXPECT_EQ(Get(os, L"CSName"), Str(L"vm"));
  EXPECT_EQ(Get(os, L"TotalVisibleMemorySize"), Str(L"24683716"));
  EXPECT_EQ(Get(os, L"FreePhysicalMemory"), Str(L"23635352")) << "MemAvailable, not MemFree";
  EXPECT_EQ(Get(os, L"TotalVirtualMemorySize"), Str(L"24683716"));
  EXPECT_EQ(Get(os, L"FreeVirtualMemory"), Str(L"23635352"));
  EXPECT_EQ(Get(os, L"SizeStoredInPagingFiles"), Str(L"0"));
  EXPECT_EQ(Get(os, L"LastBootUpTime"), Str(L"20261210135818.000000+060"));
  EXPECT_EQ(Get(os, L"LocalDateTime"), Str(L"20261210144000.000000+060"));
  EXPECT_EQ(Get(os, L"NumberOfProcesses"), Int(2));
}

TEST(LinuxClassesOnThisVm, DisksAndVolumesWithoutModelOrLabel) {
  const std::vector<Instance> disks = InstancesOf(L"Win32_DiskDrive", kSysroot, VmCalls());
  ASSERT_EQ(disks.size(), 1u) << "loop and zram are no disks";
  const Instance& vda = disks[0];
  EXPECT_EQ(Get(vda, L"DeviceID"), Str(L"\\\\.\\PHYSICALDRIVE0"));
  EXPECT_EQ(Get(vda, L"Index"), Int(0));
  EXPECT_EQ(Get(vda, L"Model"), kNull);
  EXPECT_EQ(Get(vda, L"Caption"), kNull);
  EXPECT_EQ(Get(vda, L"Size"), Str(L"274877906944"));
  EXPECT_EQ(Get(vda, L"BytesPerSector"), Int(512));
  EXPECT_EQ(Get(vda, L"InterfaceType"), Str(L"SCSI"));
  EXPECT_EQ(Get(vda, L"MediaType"), Str(L"Fixed hard disk media"));
  EXPECT_EQ(Get(vda, L"Partitions"), Int(0));
  EXPECT_EQ(Get(vda, L"SerialNumber"), Str(L"overlayblk"));

  const std::vector<Instance> logical = InstancesOf(L"Win32_LogicalDisk", kSysroot, VmCalls());
  ASSERT_EQ(logical.size(), 1u) << "proc, sysfs, tmpfs, devpts and cgroups hold no drive";
  EXPECT_EQ(Get(logical[0], L"DeviceID"), Str(L"/"));
  EXPECT_EQ(Get(logical[0], L"FileSystem"), Str(L"ext4"));
  EXPECT_EQ(Get(logical[0], L"DriveType"), Int(3));
  EXPECT_EQ(Get(logical[0], L"Size"), Str(L"274877906944"));
  EXPECT_EQ(Get(logical[0], L"FreeSpace"), Str(L"400000000000"));
  EXPECT_EQ(Get(logical[0], L"VolumeName"), kNull);
  EXPECT_EQ(Get(logical[0], L"ProviderName"), kNull);

  const std::vector<Instance> volumes = InstancesOf(L"Win32_Volume", kSysroot, VmCalls());
  ASSERT_EQ(volumes.size(), 1u);
  EXPECT_EQ(Get(volumes[0], L"Name"), Str(L"/"));
  EXPECT_EQ(Get(volumes[0], L"DeviceID"), Str(L"/dev/vda"));
  EXPECT_EQ(Get(volumes[0], L"DriveLetter"), kNull);
  EXPECT_EQ(Get(volumes[0], L"Capacity"), Str(L"274877906944"));
}

TEST(LinuxClassesOnThisVm, NoDisplayNoFirmwareTablesNoInstances) {
  for (const wchar_t* name : {L"Win32_VideoController", L"Win32_PhysicalMemory", L"Win32_BIOS", L"Win32_BaseBoard"}) {
    EXPECT_TRUE(InstancesOf(name, kSysroot, VmCalls()).empty()) << text::ToUtf8(name);
  }
}

// A two-socket Intel workstation: two cores with two threads in each
// package, cpufreq on the first processor only, two display devices, firmware
// tables, SATA, USB and NVMe disks and a mount table with every kind of drive.
class Workstation : public ::testing::Test {
 protected:
  void SetUp() override {
    tree_.Write("proc/cpuinfo", IntelCpuInfo(8, 2100));
    for (int n = 0; n < 8; ++n) {
      const int package = n % 2;
      const int core = n / 2 % 2;
      const std::string siblings = std::to_string(package + 2 * core) + "," + std::to_string(package + 2 * core + 4);
      const std::string packageCpus = package == 0 ? "0,2,4,6" : "1,3,5,7";
      const std::string cpu = "sys/devices/system/cpu/cpu" + std::to_string(n);
      tree_.Write(cpu + "/topology/physical_package_id", std::to_string(package) + "\n");
      tree_.Write(cpu + "/topology/core_id", std::to_string(core) + "\n");
      tree_.Write(cpu + "/topology/thread_siblings_list", siblings + "\n");
      const struct {
        const char* level;
        const char* type;
        const char* size;
        std::string shared;
      } caches[] = {{"1", "Data", "48K", siblings},
                    {"1", "Instruction", "32K", siblings},
                    {"2", "Unified", "1280K", siblings},
                    {"3", "Unified", "30M", packageCpus}};
      for (int i = 0; i < 4; ++i) {
        const std::string index = cpu + "/cache/index" + std::to_string(i);
        tree_.Write(index + "/level", std::string(caches[i].level) + "\n");
        tree_.Write(index + "/type", std::string(caches[i].type) + "\n");
        tree_.Write(index + "/size", std::string(caches[i].size) + "\n");
        tree_.Write(index + "/shared_cpu_list", caches[i].shared + "\n");
      }
    }
    tree_.Write("sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", "3900000\n");
    tree_.Write("sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq", "1200123\n");
    tree_.Write("proc/meminfo",
                "MemTotal:       131072000 kB\nMemFree:        90000000 kB\nMemAvailable:   100000000 kB\n"
                "SwapTotal:       8388604 kB\nSwapFree:        8000000 kB\n");
    tree_.Write("proc/stat", "cpu  1 2 3 4\nbtime 1700000000\nprocesses 9\n");
    tree_.Write("proc/1/status", "");
    tree_.Write("usr/lib/os-release",
                "NAME=\"Fedora Linux\"\nVERSION=\"39 (Workstation Edition)\"\nVENDOR_NAME=\"Fedora Project\"\n");

    const std::string dmi = "sys/class/dmi/id/";
    tree_.Write(dmi + "sys_vendor", "Dell Inc.\n");
    tree_.Write(dmi + "product_name", "Precision 7920 Tower\n");
    tree_.Write(dmi + "product_family", "   \n");
    tree_.Write(dmi + "bios_vendor", "Dell Inc.\n");
    tree_.Write(dmi + "bios_version", "2.38.0\n");
    tree_.Write(dmi + "bios_date", "07/12/2023\n");
    tree_.Write(dmi + "bios_release", "2.38\n");
    tree_.Write(dmi + "board_vendor", "Dell Inc.\n");
    tree_.Write(dmi + "board_name", "060K5C\n");
    tree_.Write(dmi + "board_version", "A02\n");
    const std::string entries = "sys/firmware/dmi/entries/";
    tree_.Write(entries + "17-0/raw", MemoryDeviceBytes(16384, 0, 3200, 0));
    tree_.Write(entries + "17-1/raw", MemoryDeviceBytes(0, 0, 0, 0));
    tree_.Write(entries + "17-10/raw", MemoryDeviceBytes(0x7FFF, 65536, 0xFFFF, 5600));
    tree_.Write(entries + "17-2/raw", MemoryDeviceBytes(0xFFFF, 0, 2933, 0));
    tree_.Write(entries + "16-0/raw", "\x10\x17");

    WritePci();
    WriteDisks();
  }

  void WritePci() {
    const std::string pci = "sys/bus/pci/devices/";
    const auto device = [&](const std::string& address, const std::string& pciClass, const std::string& vendor,
                            const std::string& id, const std::string& resource) {
      tree_.Write(pci + address + "/class", pciClass + "\n");
      tree_.Write(pci + address + "/vendor", vendor + "\n");
      tree_.Write(pci + address + "/device", id + "\n");
      tree_.Write(pci + address + "/subsystem_vendor", "0x1462\n");
      tree_.Write(pci + address + "/subsystem_device", "0x397d\n");
      tree_.Write(pci + address + "/revision", "0xa1\n");
      tree_.Write(pci + address + "/resource", resource);
    };
    device("0000:00:1f.0", "0x060100", "0x8086", "0x7a06", "");
    device("0000:00:02.0", "0x030000", "0x8086", "0x4680",
           "0x0000006000000000 0x00000060ffffffff 0x000000000014220c\n");
    device("0000:01:00.0", "0x030000", "0x10de", "0x2504",
           "0x00000000fb000000 0x00000000fbffffff 0x0000000000040200\n"
           "0x00000000e0000000 0x00000000efffffff 0x000000000014220c\n");
    tree_.Link(pci + "0000:01:00.0/driver", "../../../bus/pci/drivers/nvidia");
    tree_.Link("sys/bus/pci/drivers/nvidia/module", "../../../../module/nvidia");
    tree_.Write("sys/module/nvidia/version", "535.104.05\n");
    tree_.Write("proc/driver/nvidia/version",
                "NVRM version: NVIDIA UNIX x86_64 Kernel Module  535.104.05  Sat Aug 19 01:15:15 UTC 2023\n");
    tree_.Link(pci + "0000:00:02.0/driver", "../../../bus/pci/drivers/i915");
    tree_.Link("sys/bus/pci/drivers/i915/module", "../../../../module/i915");
    tree_.Write("sys/module/i915/srcversion", "ABCDEF\n");
    const std::string drm = pci + "0000:01:00.0/drm/";
    tree_.Write(drm + "card1/card1-DP-1/status", "disconnected\n");
    tree_.Write(drm + "card1/card1-DP-1/modes", "3840x2160\n");
    tree_.Write(drm + "card1/card1-HDMI-A-1/status", "connected\n");
    tree_.Write(drm + "card1/card1-HDMI-A-1/modes", "2560x1440\n1920x1080\n");
    tree_.Write(drm + "renderD128/dev", "226:128\n");
    tree_.Write("usr/share/hwdata/pci.ids",
                "10de  NVIDIA Corporation\n\t2504  GA106 [GeForce RTX 3060 Lite Hash Rate]\n"
                "8086  Intel Corporation\n\t7a06  Z690 Chipset LPC/eSPI Controller\n");
  }

  void Disk(const std::string& name, const std::string& devicePath, const std::string& sectors, bool removable) {
    const std::string dir = "sys/devices/" + devicePath + "/block/" + name;
    tree_.Write(dir + "/size", sectors + "\n");
    tree_.Write(dir + "/removable", removable ? "1\n" : "0\n");
    tree_.Write(dir + "/queue/logical_block_size", "512\n");
    tree_.Write(dir + "/device/uevent", "");
    tree_.Link("sys/block/" + name, "../" + dir.substr(4));
  }

  void WriteDisks() {
    Disk("sda", "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0", "3907029168", false);
    const std::string sda = "sys/block/sda/";
    tree_.Write(sda + "device/model", "Samsung SSD 870 EVO 2TB \n");
    tree_.Write(sda + "device/rev", "SVT02B6Q\n");
    tree_.Write(sda + "device/vpd_pg80", std::string("\0\x80\0\x10  S6PNNS0T123456", 20));
    tree_.Write(sda + "sda1/partition", "1\n");
    tree_.Write(sda + "sda2/partition", "2\n");
    Disk("sdb", "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0", "60437492", true);
    tree_.Write("sys/block/sdb/device/model", "Cruzer Blade    \n");
    tree_.Write("sys/block/sdb/sdb1/partition", "1\n");
    Disk("sdc", "pci0000:00/0000:00:14.0/usb2/2-2/2-2:1.0/host7/target7:0:0/7:0:0:0", "1953525168", false);
    Disk("nvme0n1", "pci0000:00/0000:00:1d.0/0000:02:00.0/nvme/nvme0", "1000215216", false);
    tree_.Write("sys/block/nvme0n1/device/model", "Samsung SSD 980 PRO 1TB\n");
    tree_.Write("sys/block/nvme0n1/device/serial", "S5GXNX0T123456\n");
    tree_.Write("sys/block/nvme0n1/device/firmware_rev", "5B2QGXA7\n");
    tree_.Write("sys/block/nvme0n1/nvme0n1p1/partition", "1\n");
    tree_.Write("sys/block/nvme0n1/nvme0n1p2/partition", "2\n");
    Disk("sr0", "pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0", "2097151", true);
    tree_.Write("sys/block/sr0/device/type", "5\n");
    Disk("nvme0c0n1", "pci0000:00/0000:00:1d.0/0000:02:00.0/nvme/nvme0", "1000215216", false);
    tree_.Write("sys/block/nvme0c0n1/hidden", "1\n");
    Disk("mmcblk0boot0", "platform/mmc0/mmc0:0001", "8192", false);
    tree_.Write("sys/block/loop0/size", "2048\n");
    tree_.Write("sys/block/dm-0/size", "1000000\n");
    tree_.Write("sys/block/dm-0/removable", "0\n");

    tree_.Write("proc/self/mounts",
                "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
                "proc /proc proc rw 0 0\n"
                "tmpfs /tmp tmpfs rw 0 0\n"
                "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
                "/dev/mapper/home /home ext4 rw 0 0\n"
                "/dev/sda1 /data ext4 rw 0 0\n"
                "/dev/sdb1 /media/user/MY\\040STICK vfat rw 0 0\n"
                "/dev/sda2 /data xfs rw 0 0\n"
                "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
                "server:/export /mnt/nfs nfs4 rw 0 0\n"
                "//nas/share /mnt/smb cifs rw 0 0\n"
                "overlay /var/lib/docker/overlay2/x/merged overlay rw 0 0\n");
    tree_.Link("dev/mapper/home", "../dm-0");
    tree_.Link("dev/disk/by-label/MY\\x20STICK", "../../sdb1");
    tree_.Link("dev/disk/by-label/home", "../../dm-0");
    tree_.Link("dev/disk/by-label/other", "../../sda9");
  }

  std::shared_ptr<FakeCalls> Calls() const {
    auto calls = std::make_shared<FakeCalls>();
    calls->names = KernelNames{"Linux", "ws-042", "6.5.6-300.fc39.x86_64", "x86_64"};
    calls->now = 1700003600;
    calls->offsetMinutes = -300;
    for (const char* point : {"", "boot/efi", "home", "data", "media/user/MY STICK", "media/cdrom", "mnt/nfs"}) {
      calls->spaces[Root() / point] = {1ull << 40, 1ull << 39};
    }
    return calls;
  }

  std::vector<Instance> Query(const std::wstring& className) const { return InstancesOf(className, Root(), Calls()); }
  const fs::path& Root() const { return tree_.Root(); }

 private:
  Tree tree_;
};

TEST_F(Workstation, OneProcessorInstancePerPackage) {
  const std::vector<Instance> processors = Query(L"Win32_Processor");
  ASSERT_EQ(processors.size(), 2u);
  struct Want {
    const wchar_t* deviceId;
    std::int64_t maxMhz;
    std::int64_t currentMhz;
  };
  const Want wants[] = {{L"CPU0", 3900, 1200}, {L"CPU1", 2100, 2100}};
  for (std::size_t i = 0; i < 2; ++i) {
    const Instance& cpu = processors[i];
    EXPECT_EQ(Get(cpu, L"DeviceID"), Str(wants[i].deviceId));
    EXPECT_EQ(Get(cpu, L"Name"), Str(L"Intel(R) Xeon(R) Silver 4310 CPU @ 2.10GHz"));
    EXPECT_EQ(Get(cpu, L"Manufacturer"), Str(L"GenuineIntel"));
    EXPECT_EQ(Get(cpu, L"Caption"), Str(L"Intel64 Family 6 Model 106 Stepping 6"));
    EXPECT_EQ(Get(cpu, L"ProcessorId"), Str(L"BFEBFBFF000606A6"));
    EXPECT_EQ(Get(cpu, L"NumberOfCores"), Int(2));
    EXPECT_EQ(Get(cpu, L"NumberOfLogicalProcessors"), Int(4));
    EXPECT_EQ(Get(cpu, L"MaxClockSpeed"), Int(wants[i].maxMhz)) << "cpufreq of the package's first processor";
    EXPECT_EQ(Get(cpu, L"CurrentClockSpeed"), Int(wants[i].currentMhz));
    EXPECT_EQ(Get(cpu, L"L2CacheSize"), Int(2560)) << "two cores' caches, not four threads'";
    EXPECT_EQ(Get(cpu, L"L3CacheSize"), Int(30720));
  }
  const Instance pc = Query(L"Win32_ComputerSystem").at(0);
  EXPECT_EQ(Get(pc, L"Manufacturer"), Str(L"Dell Inc."));
  EXPECT_EQ(Get(pc, L"Model"), Str(L"Precision 7920 Tower"));
  EXPECT_EQ(Get(pc, L"SystemFamily"), kNull) << "blank firmware text";
  EXPECT_EQ(Get(pc, L"NumberOfProcessors"), Int(2));
  EXPECT_EQ(Get(pc, L"NumberOfLogicalProcessors"), Int(8));
  EXPECT_EQ(Get(pc, L"HypervisorPresent"), WmiValue::Boolean(false));
}

TEST_F(Workstation, OperatingSystemFromUsrLibWithSwapAndZone) {
  const Instance os = Query(L"Win32_OperatingSystem").at(0);
  EXPECT_EQ(Get(os, L"Caption"), Str(L"Fedora Linux 39 (Workstation Edition)"));
  EXPECT_EQ(Get(os, L"Name"), Str(L"Fedora Linux 39 (Workstation Edition)|/|/dev/nvme0n1p2"));
  EXPECT_EQ(Get(os, L"Manufacturer"), Str(L"Fedora Project"));
  EXPECT_EQ(Get(os, L"BuildNumber"), Str(L"6.5.6"));
  EXPECT_EQ(Get(os, L"TotalVisibleMemorySize"), Str(L"131072000"));
  EXPECT_EQ(Get(os, L"FreePhysicalMemory"), Str(L"100000000"));
  EXPECT_EQ(Get(os, L"TotalVirtualMemorySize"), Str(L"139460604"));
  EXPECT_EQ(Get(os, L"FreeVirtualMemory"), Str(L"108000000"));
  EXPECT_EQ(Get(os, L"SizeStoredInPagingFiles"), Str(L"8388604"));
  EXPECT_EQ(Get(os, L"FreeSpaceInPagingFiles"), Str(L"8000000"));
  EXPECT_EQ(Get(os, L"LastBootUpTime"), Str(L"20231114171320.000000-300"));
  EXPECT_EQ(Get(os, L"LocalDateTime"), Str(L"20231114181320.000000-300"));
  EXPECT_EQ(Get(os, L"NumberOfProcesses"), Int(1));
}

TEST_F(Workstation, VideoControllersFromPciAndDrm) {
  const std::vector<Instance> adapters = Query(L"Win32_VideoController");
  ASSERT_EQ(adapters.size(), 2u) << "the LPC bridge is no display device";
  const Instance& intel = adapters[0];
  EXPECT_EQ(Get(intel, L"DeviceID"), Str(L"VideoController1"));
  EXPECT_EQ(Get(intel, L"Name"), kNull) << "the list does not know the device";
  EXPECT_EQ(Get(intel, L"AdapterCompatibility"), Str(L"Intel Corporation"));
  EXPECT_EQ(Get(intel, L"PNPDeviceID"), Str(L"PCI\\VEN_8086&DEV_4680&SUBSYS_397D1462&REV_A1\\0000:00:02.0"));
  EXPECT_EQ(Get(intel, L"AdapterRAM"), kNull) << "4 GB does not fit the property";
  EXPECT_EQ(Get(intel, L"DriverVersion"), kNull) << "i915 carries no version";
  EXPECT_EQ(Get(intel, L"DriverDate"), kNull);
  EXPECT_EQ(Get(intel, L"VideoModeDescription"), kNull);

  const Instance& nvidia = adapters[1];
  EXPECT_EQ(Get(nvidia, L"DeviceID"), Str(L"VideoController2"));
  EXPECT_EQ(Get(nvidia, L"Name"), Str(L"NVIDIA Corporation GA106 [GeForce RTX 3060 Lite Hash Rate]"));
  EXPECT_EQ(Get(nvidia, L"Caption"), Get(nvidia, L"Name"));
  EXPECT_EQ(Get(nvidia, L"AdapterCompatibility"), Str(L"NVIDIA Corporation"));
  EXPECT_EQ(Get(nvidia, L"VideoProcessor"), Str(L"GA106 [GeForce RTX 3060 Lite Hash Rate]"));
  EXPECT_EQ(Get(nvidia, L"AdapterRAM"), Int(268435456));
  EXPECT_EQ(Get(nvidia, L"DriverVersion"), Str(L"535.104.05"));
  EXPECT_EQ(Get(nvidia, L"DriverDate"), Str(L"20230819000000.000000-000"));
  EXPECT_EQ(Get(nvidia, L"VideoModeDescription"), Str(L"2560 x 1440")) << "the connected display, not the first";
  EXPECT_EQ(Get(nvidia, L"CurrentHorizontalResolution"), Int(2560));
  EXPECT_EQ(Get(nvidia, L"CurrentVerticalResolution"), Int(1440));
}

TEST_F(Workstation, FirmwareTablesGiveBiosBoardAndMemorySlots) {
  const std::vector<Instance> bios = Query(L"Win32_BIOS");
  ASSERT_EQ(bios.size(), 1u);
  EXPECT_EQ(Get(bios[0], L"Manufacturer"), Str(L"Dell Inc."));
  EXPECT_EQ(Get(bios[0], L"SMBIOSBIOSVersion"), Str(L"2.38.0"));
  EXPECT_EQ(Get(bios[0], L"ReleaseDate"), Str(L"20230712000000.000000+000"));
  EXPECT_EQ(Get(bios[0], L"SerialNumber"), kNull) << "only root reads it";
  EXPECT_EQ(Get(bios[0], L"SystemBiosMajorVersion"), Int(2));
  EXPECT_EQ(Get(bios[0], L"SystemBiosMinorVersion"), Int(38));
  EXPECT_EQ(Get(bios[0], L"EmbeddedControllerMajorVersion"), kNull);

  const std::vector<Instance> boards = Query(L"Win32_BaseBoard");
  ASSERT_EQ(boards.size(), 1u);
  EXPECT_EQ(Get(boards[0], L"Product"), Str(L"060K5C"));
  EXPECT_EQ(Get(boards[0], L"Version"), Str(L"A02"));

  const std::vector<Instance> slots = Query(L"Win32_PhysicalMemory");
  ASSERT_EQ(slots.size(), 3u) << "the empty slot and the other types are left out";
  struct Want {
    WmiValue capacity;
    WmiValue speed;
  };
  const Want wants[] = {{Str(L"17179869184"), Int(3200)}, {kNull, Int(2933)}, {Str(L"68719476736"), Int(5600)}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(Get(slots[i], L"Tag"), Str(L"Physical Memory " + std::to_wstring(i)));
    EXPECT_EQ(Get(slots[i], L"Capacity"), wants[i].capacity) << i;
    EXPECT_EQ(Get(slots[i], L"Speed"), wants[i].speed) << i;
    EXPECT_EQ(Get(slots[i], L"ConfiguredClockSpeed"), Int(2666)) << i;
    EXPECT_EQ(Get(slots[i], L"DeviceLocator"), Str(L"DIMM_A1")) << i;
    EXPECT_EQ(Get(slots[i], L"FormFactor"), Int(8)) << i;
    EXPECT_EQ(Get(slots[i], L"SMBIOSMemoryType"), Int(26)) << i;
  }
}

TEST_F(Workstation, DiskDrivesInKernelOrderWithWindowsInterfaces) {
  const std::vector<Instance> disks = Query(L"Win32_DiskDrive");
  struct Want {
    WmiValue model;
    const wchar_t* size;
    const wchar_t* interfaceType;
    const wchar_t* mediaType;
    std::int64_t partitions;
    WmiValue serial;
    WmiValue firmware;
  };
  const Want wants[] = {
      {Str(L"Samsung SSD 870 EVO 2TB"), L"2000398934016", L"IDE", L"Fixed hard disk media", 2, Str(L"S6PNNS0T123456"),
       Str(L"SVT02B6Q")},
      {Str(L"Cruzer Blade"), L"30943995904", L"USB", L"Removable Media", 1, kNull, kNull},
      {kNull, L"1000204886016", L"USB", L"External hard disk media", 0, kNull, kNull},
      {Str(L"Samsung SSD 980 PRO 1TB"), L"512110190592", L"SCSI", L"Fixed hard disk media", 2, Str(L"S5GXNX0T123456"),
       Str(L"5B2QGXA7")},
  };
  ASSERT_EQ(disks.size(), std::size(wants)) << "no optical, hidden, eMMC boot, loop or device-mapper devices";
  for (std::size_t i = 0; i < std::size(wants); ++i) {
    const Instance& disk = disks[i];
    EXPECT_EQ(Get(disk, L"DeviceID"), Str(L"\\\\.\\PHYSICALDRIVE" + std::to_wstring(i)));
    EXPECT_EQ(Get(disk, L"Index"), Int(static_cast<std::int64_t>(i)));
    EXPECT_EQ(Get(disk, L"Model"), wants[i].model) << i;
    EXPECT_EQ(Get(disk, L"Size"), Str(wants[i].size)) << i;
    EXPECT_EQ(Get(disk, L"InterfaceType"), Str(wants[i].interfaceType)) << i;
    EXPECT_EQ(Get(disk, L"MediaType"), Str(wants[i].mediaType)) << i;
    EXPECT_EQ(Get(disk, L"Partitions"), Int(wants[i].partitions)) << i;
    EXPECT_EQ(Get(disk, L"SerialNumber"), wants[i].serial) << i;
    EXPECT_EQ(Get(disk, L"FirmwareRevision"), wants[i].firmware) << i;
  }
}

TEST_F(Workstation, LogicalDisksAndVolumesOfEveryDriveType) {
  struct Want {
    const wchar_t* mountPoint;
    const wchar_t* device;
    const wchar_t* fileSystem;
    std::int64_t driveType;
    WmiValue label;
    bool space;
  };
  const Want wants[] = {
      {L"/", L"/dev/nvme0n1p2", L"ext4", 3, kNull, true},
      {L"/boot/efi", L"/dev/nvme0n1p1", L"vfat", 3, kNull, true},
      {L"/home", L"/dev/mapper/home", L"ext4", 3, Str(L"home"), true},
      {L"/media/user/MY STICK", L"/dev/sdb1", L"vfat", 2, Str(L"MY STICK"), true},
      {L"/data", L"/dev/sda2", L"xfs", 3, kNull, true},
      {L"/media/cdrom", L"/dev/sr0", L"iso9660", 5, kNull, true},
      {L"/mnt/nfs", L"server:/export", L"nfs4", 4, kNull, true},
      {L"/mnt/smb", L"//nas/share", L"cifs", 4, kNull, false},
  };
  const std::vector<Instance> disks = Query(L"Win32_LogicalDisk");
  ASSERT_EQ(disks.size(), std::size(wants)) << "proc, tmpfs and overlay hold no drive; /data shows its last mount";
  for (std::size_t i = 0; i < std::size(wants); ++i) {
    const Want& want = wants[i];
    const Instance& disk = disks[i];
    const bool network = want.driveType == 4;
    EXPECT_EQ(Get(disk, L"DeviceID"), Str(want.mountPoint)) << i;
    EXPECT_EQ(Get(disk, L"FileSystem"), Str(want.fileSystem)) << i;
    EXPECT_EQ(Get(disk, L"DriveType"), Int(want.driveType)) << i;
    EXPECT_EQ(Get(disk, L"VolumeName"), want.label) << i;
    EXPECT_EQ(Get(disk, L"ProviderName"), network ? Str(want.device) : kNull) << i;
    EXPECT_EQ(Get(disk, L"Size"), want.space ? Str(L"1099511627776") : kNull) << i;
    EXPECT_EQ(Get(disk, L"FreeSpace"), want.space ? Str(L"549755813888") : kNull) << i;
  }
  EXPECT_EQ(Get(disks[3], L"Description"), Str(L"Removable Disk"));
  EXPECT_EQ(Get(disks[6], L"Description"), Str(L"Network Connection"));

  const std::vector<Instance> volumes = Query(L"Win32_Volume");
  ASSERT_EQ(volumes.size(), 6u) << "network shares are no volumes";
  for (std::size_t i = 0; i < volumes.size(); ++i) {
    EXPECT_EQ(Get(volumes[i], L"Name"), Str(wants[i].mountPoint)) << i;
    EXPECT_EQ(Get(volumes[i], L"DeviceID"), Str(wants[i].device)) << i;
    EXPECT_EQ(Get(volumes[i], L"Label"), wants[i].label) << i;
    EXPECT_EQ(Get(volumes[i], L"DriveType"), Int(wants[i].driveType)) << i;
    EXPECT_EQ(Get(volumes[i], L"Capacity"), Str(L"1099511627776")) << i;
    EXPECT_EQ(Get(volumes[i], L"DriveLetter"), kNull) << i;
  }
}

// An ARM server without sysfs topology, cpufreq or firmware tables, whose
// /proc/cpuinfo names no model.
TEST(LinuxClassesOnArm, NamesTheCoreFromItsPartNumber) {
  Tree tree;
  tree.Write("proc/cpuinfo", kArmCpuInfo);
  auto calls = std::make_shared<FakeCalls>();
  calls->names = KernelNames{"Linux", "arm", "6.1.0-18-arm64", "aarch64"};
  const std::vector<Instance> processors = InstancesOf(L"Win32_Processor", tree.Root(), calls);
  ASSERT_EQ(processors.size(), 1u);
  const Instance& cpu = processors[0];
  EXPECT_EQ(Get(cpu, L"Name"), Str(L"ARM Neoverse-N1"));
  EXPECT_EQ(Get(cpu, L"Manufacturer"), Str(L"ARM"));
  EXPECT_EQ(Get(cpu, L"Architecture"), Int(12));
  EXPECT_EQ(Get(cpu, L"AddressWidth"), Int(64));
  EXPECT_EQ(Get(cpu, L"NumberOfCores"), Int(2));
  EXPECT_EQ(Get(cpu, L"Caption"), kNull);
  EXPECT_EQ(Get(cpu, L"ProcessorId"), kNull);
  EXPECT_EQ(Get(cpu, L"MaxClockSpeed"), kNull);
  EXPECT_EQ(Get(cpu, L"L2CacheSize"), kNull);
  const Instance pc = InstancesOf(L"Win32_ComputerSystem", tree.Root(), calls).at(0);
  EXPECT_EQ(Get(pc, L"SystemType"), Str(L"ARM64-based PC"));
  EXPECT_EQ(Get(pc, L"HypervisorPresent"), kNull) << "ARM does not say";
  EXPECT_EQ(Get(pc, L"TotalPhysicalMemory"), kNull) << "no meminfo";

  // Nothing at all below the root: one operating system that knows only
  // what uname says, and no processor.
  const Tree empty;
  EXPECT_TRUE(InstancesOf(L"Win32_Processor", empty.Root(), calls).empty());
  const Instance os = InstancesOf(L"Win32_OperatingSystem", empty.Root(), calls).at(0);
  EXPECT_EQ(Get(os, L"Caption"), Str(L"Linux"));
  EXPECT_EQ(Get(os, L"Name"), Str(L"Linux|/|"));
  EXPECT_EQ(Get(os, L"OSArchitecture"), Str(L"ARM 64-bit Processor"));
  EXPECT_EQ(Get(os, L"TotalVisibleMemorySize"), kNull);
  EXPECT_EQ(Get(os, L"LastBootUpTime"), kNull);
  EXPECT_EQ(Get(os, L"NumberOfProcesses"), kNull);
}

// The machine the tests run on: values differ between machines, so only the
// plumbing and the types are checked.
TEST(LinuxClassesOnThisMachine, EveryClassAnswersWithWellTypedValues) {
  const std::vector<std::unique_ptr<WmiClass>> classes = MakeLinuxClasses("/");
  std::set<std::wstring> names;
  for (const std::unique_ptr<WmiClass>& wmiClass : classes) {
    names.insert(wmiClass->Name());
    ExpectWellTyped(*wmiClass, wmiClass->Instances());
  }
  const std::set<std::wstring> want = {L"Win32_ComputerSystem", L"Win32_Processor",       L"Win32_OperatingSystem",
                                       L"Win32_PhysicalMemory", L"Win32_VideoController", L"Win32_DiskDrive",
                                       L"Win32_LogicalDisk",    L"Win32_Volume",          L"Win32_BIOS",
                                       L"Win32_BaseBoard"};
  EXPECT_EQ(names, want);
}

TEST(LinuxClassesOnThisMachine, ProcessorsAndSystemAgreeWithTheKernel) {
  const auto calls = std::make_shared<LinuxSystemCalls>();
  const std::vector<Instance> processors = InstancesOf(L"Win32_Processor", "/", calls);
  ASSERT_FALSE(processors.empty());
  std::int64_t logical = 0;
  for (const Instance& cpu : processors) {
    ASSERT_EQ(Get(cpu, L"NumberOfLogicalProcessors").type, WmiValue::Type::Integer);
    EXPECT_GE(Get(cpu, L"NumberOfCores").integer, 1);
    logical += Get(cpu, L"NumberOfLogicalProcessors").integer;
  }
  EXPECT_EQ(logical, sysconf(_SC_NPROCESSORS_ONLN));

  const Instance pc = InstancesOf(L"Win32_ComputerSystem", "/", calls).at(0);
  EXPECT_EQ(Get(pc, L"NumberOfLogicalProcessors"), Int(logical));
  EXPECT_EQ(Get(pc, L"NumberOfProcessors"), Int(static_cast<std::int64_t>(processors.size())));
  const std::optional<std::uint64_t> bytes =
      ParseNumber(text::ToUtf8(Get(pc, L"TotalPhysicalMemory").text));
  ASSERT_TRUE(bytes);
  EXPECT_GT(*bytes, 0u);
}

TEST(LinuxClassesOnThisMachine, OperatingSystemHasOneInstanceInKilobytes) {
  const std::vector<Instance> systems =
      InstancesOf(L"Win32_OperatingSystem", "/", std::make_shared<LinuxSystemCalls>());
  ASSERT_EQ(systems.size(), 1u);
  const Instance& os = systems[0];
  const std::optional<std::uint64_t> total =
      ParseNumber(text::ToUtf8(Get(os, L"TotalVisibleMemorySize").text));
  const std::optional<std::uint64_t> free =
      ParseNumber(text::ToUtf8(Get(os, L"FreePhysicalMemory").text));
  ASSERT_TRUE(total && free);
  EXPECT_GT(*total, 0u);
  EXPECT_LE(*free, *total);
  EXPECT_EQ(Get(os, L"LastBootUpTime").type, WmiValue::Type::String);
  EXPECT_LT(Get(os, L"LastBootUpTime").text, Get(os, L"LocalDateTime").text);
  EXPECT_GE(Get(os, L"NumberOfProcesses").integer, 1);
  const std::wstring name = Get(os, L"Name").text;
  EXPECT_EQ(name.rfind(Get(os, L"Caption").text + L"|/|", 0), 0u);
}

TEST(LinuxClassesOnThisMachine, DisksAndVolumesHaveSizesInBytes) {
  const auto calls = std::make_shared<LinuxSystemCalls>();
  const std::vector<Instance> disks = InstancesOf(L"Win32_DiskDrive", "/", calls);
  for (std::size_t i = 0; i < disks.size(); ++i) {
    EXPECT_EQ(Get(disks[i], L"Index"), Int(static_cast<std::int64_t>(i)));
    EXPECT_GT(ParseNumber(text::ToUtf8(Get(disks[i], L"Size").text)).value_or(0), 0u);
  }
  for (const Instance& disk : InstancesOf(L"Win32_LogicalDisk", "/", calls)) {
    const std::optional<std::uint64_t> size = ParseNumber(text::ToUtf8(Get(disk, L"Size").text));
    const std::optional<std::uint64_t> free =
        ParseNumber(text::ToUtf8(Get(disk, L"FreeSpace").text));
    if (size && free) {
      EXPECT_LE(*free, *size) << text::ToUtf8(Get(disk, L"DeviceID").text);
    }
  }
  // The root file system is always mounted, and always has a size.
  const std::vector<Instance> volumes = InstancesOf(L"Win32_Volume", "/", calls);
  bool rootSeen = false;
  for (const Instance& volume : volumes) {
    const std::string name = text::ToUtf8(Get(volume, L"Name").text);
    const std::optional<std::uint64_t> capacity = ParseNumber(text::ToUtf8(Get(volume, L"Capacity").text));
    const std::optional<std::uint64_t> free = ParseNumber(text::ToUtf8(Get(volume, L"FreeSpace").text));
    if (capacity && free) {
      EXPECT_LE(*free, *capacity) << name;
    }
    if (name != "/") continue;
    rootSeen = true;
    ASSERT_TRUE(capacity && free) << name;
    EXPECT_GT(*capacity, 0u) << name;
  }
  EXPECT_TRUE(rootSeen);
  InstancesOf(L"Win32_VideoController", "/", calls);
  InstancesOf(L"Win32_PhysicalMemory", "/", calls);
}

}  // namespace

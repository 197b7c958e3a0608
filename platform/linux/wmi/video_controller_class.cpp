#include "platform/linux/wmi/video_controller_class.h"

#include <cstdio>
#include <utility>

#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/pci_ids.h"
#include "platform/linux/wmi/proc_parsers.h"
#include "platform/linux/wmi/sys_files.h"

namespace platform::linux_backend::wmi {

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kDisplayClass = 0x03;

std::optional<std::string> ReadPciIds(const fs::path& root) {
  for (const char* path : {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids", "/usr/share/pci.ids"}) {
    if (std::optional<std::string> text = ReadFileText(UnderRoot(root, path), 64u << 20)) return text;
  }
  return std::nullopt;
}

std::optional<PciIdentity> ReadPciIdentity(const fs::path& device) {
  const std::optional<std::uint64_t> vendor = ReadNumber(device / "vendor");
  const std::optional<std::uint64_t> id = ReadNumber(device / "device");
  if (!vendor || !id || *vendor > 0xFFFF || *id > 0xFFFF) return std::nullopt;
  PciIdentity identity;
  identity.vendor = static_cast<std::uint16_t>(*vendor);
  identity.device = static_cast<std::uint16_t>(*id);
  identity.subsystemVendor = static_cast<std::uint16_t>(ReadNumber(device / "subsystem_vendor").value_or(0));
  identity.subsystemDevice = static_cast<std::uint16_t>(ReadNumber(device / "subsystem_device").value_or(0));
  identity.revision = static_cast<std::uint8_t>(ReadNumber(device / "revision").value_or(0));
  return identity;
}

// amdgpu tells the size of the video memory itself; otherwise the largest
// prefetchable region, the window through which the processor sees the
// memory, is the best measure sysfs offers.
std::optional<std::uint64_t> AdapterRam(const fs::path& device) {
  if (const std::optional<std::uint64_t> vram = ReadNumber(device / "mem_info_vram_total")) return vram;
  const std::optional<std::string> resource = ReadFileText(device / "resource");
  if (!resource) return std::nullopt;
  return LargestPrefetchableRegion(*resource);
}

// The kernel module that drives the device: the driver's module link, or
// the driver's own name for a driver built into the kernel.
std::optional<std::string> DriverModule(const fs::path& device) {
  if (std::optional<std::string> module = LinkTargetName(device / "driver" / "module")) return module;
  return LinkTargetName(device / "driver");
}

// The first mode of the first connected display of the device's DRM cards.
std::optional<DisplayMode> CurrentMode(const fs::path& device) {
  const fs::path drm = device / "drm";
  for (const std::string& card : ListNames(drm)) {
    if (card.rfind("card", 0) != 0 || card.find('-') != std::string::npos) continue;
    for (const std::string& connector : ListNames(drm / card)) {
      if (connector.rfind(card + "-", 0) != 0) continue;
      if (ReadValue(drm / card / connector / "status") != "connected") continue;
      const std::optional<std::string> modes = ReadFileText(drm / card / connector / "modes");
      if (const std::optional<DisplayMode> mode = modes ? ParseFirstMode(*modes) : std::nullopt) return mode;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string FormatPnpDeviceId(const PciIdentity& id, const std::string& address) {
  char text[64];
  std::snprintf(text, sizeof text, "PCI\\VEN_%04X&DEV_%04X&SUBSYS_%04X%04X&REV_%02X\\", id.vendor, id.device,
                id.subsystemDevice, id.subsystemVendor, id.revision);
  return text + address;
}

VideoControllerClass::VideoControllerClass(fs::path root) : root_(std::move(root)) {}

std::vector<PropertySpec> VideoControllerClass::Properties() const {
  return {{L"DeviceID", CimType::String},
          {L"Name", CimType::String},
          {L"Caption", CimType::String},
          {L"Description", CimType::String},
          {L"AdapterCompatibility", CimType::String},
          {L"VideoProcessor", CimType::String},
          {L"PNPDeviceID", CimType::String},
          {L"AdapterRAM", CimType::UInt32},
          {L"DriverVersion", CimType::String},
          {L"DriverDate", CimType::DateTime},
          {L"VideoModeDescription", CimType::String},
          {L"CurrentHorizontalResolution", CimType::UInt32},
          {L"CurrentVerticalResolution", CimType::UInt32}};
}

std::vector<Instance> VideoControllerClass::Instances() const {
  const std::vector<PropertySpec> properties = Properties();
  const fs::path devices = UnderRoot(root_, "/sys/bus/pci/devices");
  std::optional<std::optional<std::string>> pciIds;  // read once, when the first display device turns up
  std::vector<Instance> instances;
  for (const std::string& address : ListNames(devices)) {
    const fs::path device = devices / address;
    const std::optional<std::uint64_t> pciClass = ReadNumber(device / "class");
    if (!pciClass || *pciClass >> 16 != kDisplayClass) continue;
    const std::optional<PciIdentity> id = ReadPciIdentity(device);
    if (!id) continue;
    if (!pciIds) pciIds = ReadPciIds(root_);
    const PciNames names = *pciIds ? LookUpPciIds(**pciIds, id->vendor, id->device) : PciNames{};
    std::optional<std::string> name;
    if (names.vendor && names.device) name = *names.vendor + " " + *names.device;
    const std::optional<std::string> module = DriverModule(device);
    const std::optional<std::string> version =
        module ? ReadValue(UnderRoot(root_, "/sys/module") / *module / "version") : std::nullopt;
    std::optional<std::string> date;
    if (module == "nvidia") {
      date = ParseNvidiaDriverDate(ReadFileText(UnderRoot(root_, "/proc/driver/nvidia/version")).value_or(""));
    }
    const std::optional<DisplayMode> mode = CurrentMode(device);
    InstanceBuilder instance(properties);
    instance.Text(L"DeviceID", "VideoController" + std::to_string(instances.size() + 1))
        .Text(L"Name", name)
        .Text(L"Caption", name)
        .Text(L"Description", name)
        .Text(L"AdapterCompatibility", names.vendor)
        .Text(L"VideoProcessor", names.device)
        .Text(L"PNPDeviceID", FormatPnpDeviceId(*id, address))
        .Number(L"AdapterRAM", AdapterRam(device))
        .Text(L"DriverVersion", version)
        .Text(L"DriverDate", date)
        .Text(L"VideoModeDescription",
              mode ? std::optional<std::string>(std::to_string(mode->width) + " x " + std::to_string(mode->height))
                   : std::nullopt)
        .Number(L"CurrentHorizontalResolution", mode ? std::optional<std::uint64_t>(mode->width) : std::nullopt)
        .Number(L"CurrentVerticalResolution", mode ? std::optional<std::uint64_t>(mode->height) : std::nullopt);
    instances.push_back(instance.Take());
  }
  return instances;
}

}  // namespace platform::linux_backend::wmi

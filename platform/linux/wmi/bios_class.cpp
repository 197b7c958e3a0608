#include "platform/linux/wmi/bios_class.h"

#include <utility>

#include "platform/linux/wmi/cim_datetime.h"
#include "platform/linux/wmi/dmi_id.h"
#include "platform/linux/wmi/instance_builder.h"
#include "platform/linux/wmi/proc_parsers.h"

namespace platform::linux_backend::wmi {

namespace {

struct Release {
  std::optional<std::uint64_t> major;
  std::optional<std::uint64_t> minor;
};

// "major.minor" as the kernel writes the release bytes of the firmware
// tables ("1.73").
Release ParseRelease(const std::optional<std::string>& text) {
  if (!text) return {};
  const std::size_t dot = text->find('.');
  if (dot == std::string::npos) return {};
  const std::string_view all(*text);
  return {ParseNumber(all.substr(0, dot)), ParseNumber(all.substr(dot + 1))};
}

}  // namespace

BiosClass::BiosClass(std::filesystem::path root) : root_(std::move(root)) {}

std::vector<PropertySpec> BiosClass::Properties() const {
  return {{L"Manufacturer", CimType::String},
          {L"Name", CimType::String},
          {L"SMBIOSBIOSVersion", CimType::String},
          {L"ReleaseDate", CimType::DateTime},
          {L"SerialNumber", CimType::String},
          {L"SystemBiosMajorVersion", CimType::UInt8},
          {L"SystemBiosMinorVersion", CimType::UInt8},
          {L"EmbeddedControllerMajorVersion", CimType::UInt8},
          {L"EmbeddedControllerMinorVersion", CimType::UInt8}};
}

std::vector<Instance> BiosClass::Instances() const {
  const std::optional<std::string> vendor = ReadDmiField(root_, "bios_vendor");
  const std::optional<std::string> version = ReadDmiField(root_, "bios_version");
  const std::optional<std::string> date = ReadDmiField(root_, "bios_date");
  if (!vendor && !version && !date) return {};
  const std::vector<PropertySpec> properties = Properties();
  const Release bios = ParseRelease(ReadDmiField(root_, "bios_release"));
  const Release controller = ParseRelease(ReadDmiField(root_, "ec_firmware_release"));
  InstanceBuilder instance(properties);
  // Windows takes the BIOS serial number from the system's entry of the
  // tables, which the kernel calls product_serial.
  instance.Text(L"Manufacturer", vendor)
      .Text(L"Name", version)
      .Text(L"SMBIOSBIOSVersion", version)
      .Text(L"ReleaseDate", date ? ParseDmiDate(*date) : std::nullopt)
      .Text(L"SerialNumber", ReadDmiField(root_, "product_serial"))
      .Number(L"SystemBiosMajorVersion", bios.major)
      .Number(L"SystemBiosMinorVersion", bios.minor)
      .Number(L"EmbeddedControllerMajorVersion", controller.major)
      .Number(L"EmbeddedControllerMinorVersion", controller.minor);
  return {instance.Take()};
}

}  // namespace platform::linux_backend::wmi

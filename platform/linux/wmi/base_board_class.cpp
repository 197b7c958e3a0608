#include "platform/linux/wmi/base_board_class.h"

#include <utility>

#include "platform/linux/wmi/dmi_id.h"
#include "platform/linux/wmi/instance_builder.h"

namespace platform::linux_backend::wmi {

BaseBoardClass::BaseBoardClass(std::filesystem::path root) : root_(std::move(root)) {}

std::vector<PropertySpec> BaseBoardClass::Properties() const {
  return {{L"Manufacturer", CimType::String},
          {L"Product", CimType::String},
          {L"Version", CimType::String},
          {L"SerialNumber", CimType::String}};
}

std::vector<Instance> BaseBoardClass::Instances() const {
  const std::optional<std::string> vendor = ReadDmiField(root_, "board_vendor");
  const std::optional<std::string> product = ReadDmiField(root_, "board_name");
  const std::optional<std::string> version = ReadDmiField(root_, "board_version");
  const std::optional<std::string> serial = ReadDmiField(root_, "board_serial");
  if (!vendor && !product && !version && !serial) return {};
  const std::vector<PropertySpec> properties = Properties();
  InstanceBuilder instance(properties);
  instance.Text(L"Manufacturer", vendor)
      .Text(L"Product", product)
      .Text(L"Version", version)
      .Text(L"SerialNumber", serial);
  return {instance.Take()};
}

}  // namespace platform::linux_backend::wmi

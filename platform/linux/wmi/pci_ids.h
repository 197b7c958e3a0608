// Names of PCI vendors and devices from the PCI id list that pciutils and
// hwdata install (pci.ids).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::linux_backend::wmi {

struct PciNames {
  std::optional<std::string> vendor;  // "NVIDIA Corporation"
  std::optional<std::string> device;  // "GA106 [GeForce RTX 3060]"
};

// Looks the vendor, and the device under that vendor, up in the text of the
// list. The list's lines are "vvvv  vendor name", then "\tdddd  device name"
// for each device of that vendor and "\t\tssss ssss  name" for subsystems; the
// class list at its end ("C cc  name") holds no vendor.
PciNames LookUpPciIds(std::string_view ids, std::uint16_t vendor, std::uint16_t device);

}  // namespace platform::linux_backend::wmi

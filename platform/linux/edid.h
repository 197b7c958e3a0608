// The monitor's product name from its EDID, the block of identification data
// a monitor hands to the graphics card.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform::linux_backend {

// The text of the first display product name descriptor (tag 0xFC) of the
// base block: up to 13 characters, ending at a line feed, with the padding
// spaces after it trimmed. Empty when the data is shorter than the 128-byte
// base block, its header or checksum is wrong, no descriptor names the
// product, or the name holds a character outside printable ASCII.
std::wstring MonitorNameFromEdid(std::span<const std::uint8_t> edid);

}  // namespace platform::linux_backend

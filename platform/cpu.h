// The processor's feature bits and the register state the operating system
// saves, as CPUID leaf 1 and XGETBV report them.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

struct CpuFeatureBits {
  std::uint32_t leaf1Ecx = 0;
  // XGETBV of register 0; only asked when leaf 1 reports OSXSAVE.
  std::optional<std::uint64_t> xcr0;
};

class Cpu {
 public:
  virtual ~Cpu() = default;
  // nullopt on a processor without CPUID (not x86).
  virtual std::optional<CpuFeatureBits> FeatureBits() = 0;
};

}  // namespace platform

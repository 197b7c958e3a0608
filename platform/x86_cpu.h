// The processor's feature bits read with the CPUID and XGETBV instructions.
// It needs no operating-system call, so the Linux and Windows builds share it.
#pragma once

#include "platform/cpu.h"

namespace platform {

class CpuidCpu final : public Cpu {
 public:
  // CPUID leaf 1's ECX, and XCR0 only when ECX reports OSXSAVE (XGETBV
  // faults otherwise). nullopt when the build is not for an x86 processor or
  // the processor offers no leaf 1.
  std::optional<CpuFeatureBits> FeatureBits() override;
};

}  // namespace platform

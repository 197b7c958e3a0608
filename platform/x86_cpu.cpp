#include "platform/x86_cpu.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace platform {

#if defined(__x86_64__) || defined(__i386__)

namespace {

constexpr std::uint32_t kOsxsave = 1u << 27;

// XGETBV through inline assembly rather than the intrinsic, which would need
// the xsave target on this function and differs between compilers.
std::uint64_t ReadXcr0() {
  std::uint32_t low = 0;
  std::uint32_t high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0u));
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

}  // namespace

std::optional<CpuFeatureBits> CpuidCpu::FeatureBits() {
  unsigned int eax = 0;
  unsigned int ebx = 0;
  unsigned int ecx = 0;
  unsigned int edx = 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return std::nullopt;
  CpuFeatureBits bits;
  bits.leaf1Ecx = ecx;
  if ((ecx & kOsxsave) != 0) bits.xcr0 = ReadXcr0();
  return bits;
}

#else

std::optional<CpuFeatureBits> CpuidCpu::FeatureBits() { return std::nullopt; }

#endif

}  // namespace platform

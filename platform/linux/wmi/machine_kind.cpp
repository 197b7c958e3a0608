#include "platform/linux/wmi/machine_kind.h"

namespace platform::linux_backend::wmi {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool IsX86Of32Bits(std::string_view machine) {
  return machine.size() == 4 && machine[0] == 'i' && machine[1] >= '3' && machine[1] <= '6' && EndsWith(machine, "86");
}

}  // namespace

MachineKind DescribeMachine(std::string_view machine) {
  if (machine == "x86_64" || machine == "amd64") return {L"x64-based PC", 9, 64, L"64-bit"};
  if (IsX86Of32Bits(machine)) return {L"X86-based PC", 0, 32, L"32-bit"};
  if (machine == "aarch64" || machine == "arm64") return {L"ARM64-based PC", 12, 64, L"ARM 64-bit Processor"};
  MachineKind kind;
  if (StartsWith(machine, "arm")) {
    kind.architecture = 5;
  } else if (StartsWith(machine, "ppc")) {
    kind.architecture = 3;
  } else if (StartsWith(machine, "mips")) {
    kind.architecture = 1;
  } else if (machine == "ia64") {
    kind.architecture = 6;
  }
  if (EndsWith(machine, "64") || EndsWith(machine, "64le") || machine == "s390x") {
    kind.bits = 64;
    kind.osArchitecture = L"64-bit";
  } else if (StartsWith(machine, "arm") || machine == "ppc" || machine == "mips" || machine == "mipsel" ||
             machine == "riscv32" || machine == "s390") {
    kind.bits = 32;
    kind.osArchitecture = L"32-bit";
  }
  return kind;
}

}  // namespace platform::linux_backend::wmi

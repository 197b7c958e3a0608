#include "platform/linux/memory_linux.h"

#include <fstream>
#include <string>

#include "platform/linux/meminfo.h"

namespace platform::linux_backend {

namespace {

// The real file is about 1.5 KB; more than this is not a meminfo file.
constexpr std::size_t kLargestFile = 64 * 1024;

}  // namespace

ProcMemory::ProcMemory(std::filesystem::path root) : root_(std::move(root)) {}

std::uint32_t ProcMemory::MemoryLoad() {
  // Read up to a bound rather than by the reported size: files under /proc
  // report a size of 0.
  std::ifstream file(root_ / "proc" / "meminfo", std::ios::binary);
  if (!file) return 0;
  std::string text(kLargestFile, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(file.gcount()));
  return ParseMemoryLoad(text);
}

}  // namespace platform::linux_backend

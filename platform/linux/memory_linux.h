// The memory load of a Linux machine, read from /proc/meminfo.
#pragma once

#include <filesystem>

#include "platform/memory.h"

namespace platform::linux_backend {

class ProcMemory final : public Memory {
 public:
  // `root` is the directory that holds proc/; tests hand in a directory of
  // their own.
  explicit ProcMemory(std::filesystem::path root = "/");

  // 0 when the file cannot be read or is malformed.
  std::uint32_t MemoryLoad() override;

 private:
  std::filesystem::path root_;
};

}  // namespace platform::linux_backend

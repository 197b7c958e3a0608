// In-memory stand-ins for the clock and for the files the program writes,
// with the failures a test asks for.
#pragma once

#include <algorithm>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/output_file.h"

namespace fakes {

class FixedClock final : public platform::Clock {
 public:
  explicit FixedClock(platform::LocalDate d) : date(d) {}
  platform::LocalDate date;
  platform::LocalDate Today() override { return date; }
};

// Files kept by path. A file's bytes stay after its handle goes, so a test
// sees what a failed report left behind.
class MemoryOutputFiles final : public platform::OutputFiles {
 public:
  struct File {
    std::string bytes;
    bool closed = false;
  };

  std::map<std::wstring, File> files;
  std::vector<std::wstring> created;  // every path Create was asked for
  bool createFails = false;
  // How many bytes fit on the disk; a write beyond it stores what fits and fails.
  std::size_t capacity = std::string::npos;
  bool closeFails = false;
  std::wstring folder = L"C:\\Users\\support\\";

  std::unique_ptr<platform::OutputFile> Create(const std::wstring& path) override {
    created.push_back(path);
    if (createFails) return nullptr;
    File& file = files[path];
    file = File{};
    return std::make_unique<Handle>(*this, file);
  }
  std::wstring FullPath(const std::wstring& path) override { return folder + path; }

 private:
  class Handle final : public platform::OutputFile {
   public:
    Handle(MemoryOutputFiles& owner, File& file) : owner_(owner), file_(file) {}
    bool Write(std::string_view bytes) override {
      if (file_.closed) return false;
      const std::size_t room = owner_.capacity - std::min(owner_.capacity, file_.bytes.size());
      file_.bytes.append(bytes.substr(0, room));
      return bytes.size() <= room;
    }
    bool Close() override {
      if (file_.closed) return false;
      file_.closed = true;
      return !owner_.closeFails;
    }

   private:
    MemoryOutputFiles& owner_;
    File& file_;
  };
};

}  // namespace fakes

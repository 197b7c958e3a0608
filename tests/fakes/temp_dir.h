// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace fakes {

class TempDir {
 public:
  explicit TempDir(const std::string& prefix = "veloinspect-test") {
    std::random_device random;
    for (;;) {
      path_ = std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace fakes

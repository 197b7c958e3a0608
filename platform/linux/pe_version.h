// The version resource of a PE executable or library, read from its bytes:
// finding the resource in the image, and parsing and querying its block.
// Every offset and length comes from outside and is checked before use.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/version_info.h"

namespace platform::linux_backend {

// Random access to the bytes of an image, wherever they are kept.
class ImageSource {
 public:
  virtual ~ImageSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Fills `out` with the bytes at `offset`; false when they are not all there.
  virtual bool Read(std::uint64_t offset, std::span<std::uint8_t> out) const = 0;
};

// Where the version block lies in the image; always inside it.
struct FileRange {
  std::uint64_t offset = 0;
  std::uint32_t size = 0;
};

// Walks the image's headers, section table and resource directory to the
// version resource. nullopt when the image is damaged or has none.
std::optional<FileRange> LocateVersionResource(const ImageSource& image);

// The same over an image held in memory; the result is a part of `image`.
std::optional<std::span<const std::uint8_t>> FindVersionResource(std::span<const std::uint8_t> image);

// One node of a version block: its key, its value as stored (as far as it
// lies inside the node) and its children.
struct VersionNode {
  std::wstring key;
  bool isText = false;
  std::vector<std::uint8_t> value;
  std::vector<VersionNode> children;
};

// The node tree of a version block; nullopt when even its root is damaged.
std::optional<VersionNode> ParseVersionInfo(std::span<const std::uint8_t> block);

// The node a sub-block path names, found the way the system's query finds
// it: components separated by backslashes, compared without regard to case
// (A-Z only). "\\" names the root. nullptr when there is no such node.
const VersionNode* FindSubBlock(const VersionNode& root, std::wstring_view subBlock);

// A parsed version block behind the platform's query interface.
class PeVersionBlock final : public VersionBlock {
 public:
  explicit PeVersionBlock(VersionNode root) : root_(std::move(root)) {}
  std::optional<FixedFileInfo> QueryFixed() const override;
  std::optional<std::vector<Translation>> QueryTranslations() const override;
  std::optional<std::wstring> QueryString(const std::wstring& subBlock) const override;

 private:
  VersionNode root_;
};

}  // namespace platform::linux_backend

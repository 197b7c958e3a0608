#include "platform/linux/pe_version.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace platform::linux_backend {

namespace {

constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kVersionType = 16;
// The system asks for the version resource by the name 1 only; a file that
// files it under another name has none as far as the system is concerned.
constexpr std::uint32_t kVersionName = 1;
constexpr std::uint16_t kLanguageNeutral = 0x0000;
constexpr std::uint16_t kLanguageEnglishUs = 0x0409;
constexpr std::uint32_t kSubdirectoryFlag = 0x80000000u;
constexpr std::uint32_t kFixedSignature = 0xFEEF04BDu;
constexpr std::size_t kFixedSize = 13 * 4;
// A block's length is a 16-bit field, so no block is ever longer.
constexpr std::uint32_t kMaxBlockSize = 0xFFFF;
// A real block is four levels deep and holds a few dozen nodes; the caps
// only keep a crafted one from costing more than a real one could.
constexpr int kMaxDepth = 8;
constexpr std::size_t kMaxNodes = 4096;

std::uint16_t Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(Le16(bytes, at)) | (static_cast<std::uint32_t>(Le16(bytes, at + 2)) << 16);
}

// ---- Locating the resource in the image ----

class SpanSource final : public ImageSource {
 public:
  explicit SpanSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool Read(std::uint64_t offset, std::span<std::uint8_t> out) const override {
    if (offset > bytes_.size() || bytes_.size() - offset < out.size()) return false;
    if (!out.empty()) std::memcpy(out.data(), bytes_.data() + offset, out.size());
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

struct Section {
  std::uint32_t virtualAddress = 0;
  std::uint32_t rawSize = 0;
  std::uint32_t rawPointer = 0;
};

struct DirectoryEntry {
  std::uint32_t name = 0;
  std::uint32_t target = 0;
};

// Reads what relative virtual addresses point at through the section table.
// Data counts as present only when it lies wholly inside one section's raw
// data and inside the file.
class ImageView {
 public:
  ImageView(const ImageSource& image, std::vector<Section> sections)
      : image_(image), sections_(std::move(sections)) {}

  std::optional<std::uint64_t> Map(std::uint64_t rva, std::uint32_t length) const {
    for (const Section& s : sections_) {
      if (rva < s.virtualAddress) continue;
      const std::uint64_t delta = rva - s.virtualAddress;
      if (delta + length > s.rawSize) continue;
      const std::uint64_t offset = s.rawPointer + delta;
      if (offset + length > image_.Size()) continue;
      return offset;
    }
    return std::nullopt;
  }

  bool ReadRva(std::uint64_t rva, std::span<std::uint8_t> out) const {
    const auto offset = Map(rva, static_cast<std::uint32_t>(out.size()));
    return offset && image_.Read(*offset, out);
  }

 private:
  const ImageSource& image_;
  std::vector<Section> sections_;
};

std::optional<std::uint32_t> ResourceDirectoryRva(std::span<const std::uint8_t> optional) {
  if (optional.size() < 2) return std::nullopt;
  std::size_t countAt = 0;
  switch (Le16(optional, 0)) {
    case 0x10b: countAt = 92; break;
    case 0x20b: countAt = 108; break;
    default: return std::nullopt;
  }
  const std::size_t entryAt = countAt + 4 + kResourceDirectory * 8;
  if (optional.size() < entryAt + 8 || Le32(optional, countAt) <= kResourceDirectory) return std::nullopt;
  const std::uint32_t rva = Le32(optional, entryAt);
  if (rva == 0) return std::nullopt;
  return rva;
}

std::optional<std::vector<DirectoryEntry>> ReadDirectory(const ImageView& view, std::uint64_t rva) {
  std::array<std::uint8_t, 16> header{};
  if (!view.ReadRva(rva, header)) return std::nullopt;
  const std::size_t count = std::size_t{Le16(header, 12)} + Le16(header, 14);
  std::vector<std::uint8_t> raw(count * 8);
  if (!view.ReadRva(rva + header.size(), raw)) return std::nullopt;
  std::vector<DirectoryEntry> entries(count);
  for (std::size_t i = 0; i < count; ++i) entries[i] = {Le32(raw, i * 8), Le32(raw, i * 8 + 4)};
  return entries;
}

// The entry with the first of the preferred ids that is there, else the
// first entry when `anyAtLast`.
const DirectoryEntry* PickEntry(const std::vector<DirectoryEntry>& entries,
                                std::initializer_list<std::uint32_t> preferred, bool anyAtLast) {
  for (const std::uint32_t id : preferred) {
    const auto it = std::find_if(entries.begin(), entries.end(), [id](const DirectoryEntry& e) { return e.name == id; });
    if (it != entries.end()) return &*it;
  }
  return anyAtLast && !entries.empty() ? &entries.front() : nullptr;
}

// The three levels of the resource tree are walked one step each, so a
// directory that points back at itself or an ancestor cannot make the walk
// loop: at the third level it would have to be a data entry, and is not.
std::optional<FileRange> WalkResources(const ImageView& view, std::uint32_t root) {
  std::uint64_t offset = 0;
  for (int level = 0; level < 3; ++level) {
    const auto entries = ReadDirectory(view, std::uint64_t{root} + offset);
    if (!entries) return std::nullopt;
    // The system takes the neutral language first, then the user's own,
    // then US English, then whichever comes first. There is no user
    // language to go by here, so neutral is followed by English.
    const DirectoryEntry* entry =
        level == 0   ? PickEntry(*entries, {kVersionType}, false)
        : level == 1 ? PickEntry(*entries, {kVersionName}, false)
                     : PickEntry(*entries, {kLanguageNeutral, kLanguageEnglishUs}, true);
    if (entry == nullptr) return std::nullopt;
    const bool isDirectory = (entry->target & kSubdirectoryFlag) != 0;
    if (isDirectory != (level < 2)) return std::nullopt;
    offset = entry->target & ~kSubdirectoryFlag;
  }
  std::array<std::uint8_t, 16> dataEntry{};
  if (!view.ReadRva(std::uint64_t{root} + offset, dataEntry)) return std::nullopt;
  const std::uint32_t dataRva = Le32(dataEntry, 0);
  const std::uint32_t size = Le32(dataEntry, 4);
  if (size == 0) return std::nullopt;
  const auto fileOffset = view.Map(dataRva, size);
  if (!fileOffset) return std::nullopt;
  return FileRange{*fileOffset, std::min(size, kMaxBlockSize)};
}

// ---- Parsing the block ----

bool KeyEquals(std::wstring_view a, std::wstring_view b) {
  const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](wchar_t x, wchar_t y) { return fold(x) == fold(y); });
}

// UTF-16LE up to the first NUL or the end; unpaired surrogates become U+FFFD.
std::wstring DecodeUtf16(std::span<const std::uint8_t> bytes) {
  std::wstring out;
  const std::size_t units = bytes.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t unit = Le16(bytes, i * 2);
    if (unit == 0) break;
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
      const char32_t low = Le16(bytes, (i + 1) * 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
        ++i;
        continue;
      }
    }
    out.push_back(unit >= 0xD800 && unit <= 0xDFFF ? L'\uFFFD' : static_cast<wchar_t>(unit));
  }
  return out;
}

// Offsets inside the block are aligned to 32 bits from the block's start.
std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// What the children of a node are: string tables under "StringFileInfo",
// strings under a string table. Strings are read as text whatever their
// type field says, since some resource compilers get it wrong.
enum class Kind { Plain, Table, String };

class BlockParser {
 public:
  explicit BlockParser(std::span<const std::uint8_t> block) : block_(block) {}

  // The node at `start`, which must end by `limit`; nullopt when it is
  // damaged. A damaged child ends its parent's list of children.
  std::optional<VersionNode> Node(std::size_t start, std::size_t limit, int depth, Kind kind) {
    if (limit < start || limit - start < 6) return std::nullopt;
    const std::size_t length = Le16(block_, start);
    if (length < 6 || length > limit - start) return std::nullopt;
    const std::size_t end = start + length;
    const std::size_t valueLength = Le16(block_, start + 2);
    const std::uint16_t type = Le16(block_, start + 4);

    std::size_t keyEnd = start + 6;
    while (keyEnd + 2 <= end && Le16(block_, keyEnd) != 0) keyEnd += 2;
    if (keyEnd + 2 > end) return std::nullopt;

    VersionNode node;
    node.key = DecodeUtf16(block_.subspan(start + 6, keyEnd - (start + 6)));
    const bool countsUnits = type == 1 || kind == Kind::String;
    ++nodes_;
    // Text lengths count 16-bit units. Files that count bytes instead, or
    // that leave out the terminating NUL, still read right: the value is
    // cut at the node's end and at its first NUL.
    const std::size_t valueStart = Align4(keyEnd + 2);
    const std::size_t declared = countsUnits ? valueLength * 2 : valueLength;
    if (valueStart < end) {
      const std::size_t valueEnd = std::min(valueStart + declared, end);
      node.value.assign(block_.begin() + static_cast<std::ptrdiff_t>(valueStart),
                        block_.begin() + static_cast<std::ptrdiff_t>(valueEnd));
    }

    const Kind childKind = kind == Kind::Table ? Kind::String
                           : depth == 1 && KeyEquals(node.key, L"StringFileInfo") ? Kind::Table
                                                                                 : Kind::Plain;
    std::size_t child = Align4(valueStart + declared);
    while (depth + 1 < kMaxDepth && nodes_ < kMaxNodes && child < end) {
      auto parsed = Node(child, end, depth + 1, childKind);
      if (!parsed) break;
      node.children.push_back(std::move(*parsed));
      child = Align4(child + Le16(block_, child));
    }
    // Containers are typed as text too, but hold no text of their own.
    node.isText = kind == Kind::String || (type == 1 && node.children.empty());
    return node;
  }

 private:
  std::span<const std::uint8_t> block_;
  std::size_t nodes_ = 0;
};

}  // namespace

std::optional<FileRange> LocateVersionResource(const ImageSource& image) {
  std::array<std::uint8_t, 64> dos{};
  if (!image.Read(0, dos) || dos[0] != 'M' || dos[1] != 'Z') return std::nullopt;
  const std::uint64_t ntAt = Le32(dos, 0x3C);
  std::array<std::uint8_t, 24> nt{};
  if (!image.Read(ntAt, nt) || nt[0] != 'P' || nt[1] != 'E' || nt[2] != 0 || nt[3] != 0) return std::nullopt;
  const std::size_t sectionCount = Le16(nt, 6);
  std::vector<std::uint8_t> optional(Le16(nt, 20));
  if (!image.Read(ntAt + nt.size(), optional)) return std::nullopt;
  const auto root = ResourceDirectoryRva(optional);
  if (!root) return std::nullopt;

  std::vector<std::uint8_t> table(sectionCount * 40);
  if (!image.Read(ntAt + nt.size() + optional.size(), table)) return std::nullopt;
  std::vector<Section> sections(sectionCount);
  for (std::size_t i = 0; i < sectionCount; ++i) {
    sections[i] = {Le32(table, i * 40 + 12), Le32(table, i * 40 + 16), Le32(table, i * 40 + 20)};
  }
  return WalkResources(ImageView(image, std::move(sections)), *root);
}

std::optional<std::span<const std::uint8_t>> FindVersionResource(std::span<const std::uint8_t> image) {
  const auto range = LocateVersionResource(SpanSource(image));
  if (!range) return std::nullopt;
  return image.subspan(static_cast<std::size_t>(range->offset), range->size);
}

std::optional<VersionNode> ParseVersionInfo(std::span<const std::uint8_t> block) {
  return BlockParser(block).Node(0, block.size(), 0, Kind::Plain);
}

const VersionNode* FindSubBlock(const VersionNode& root, std::wstring_view subBlock) {
  const VersionNode* node = &root;
  std::size_t at = 0;
  while (at < subBlock.size()) {
    const std::size_t next = std::min(subBlock.find(L'\\', at), subBlock.size());
    const std::wstring_view component = subBlock.substr(at, next - at);
    at = next + 1;
    if (component.empty()) continue;
    const auto it = std::find_if(node->children.begin(), node->children.end(),
                                 [&](const VersionNode& child) { return KeyEquals(child.key, component); });
    if (it == node->children.end()) return nullptr;
    node = &*it;
  }
  return node;
}

std::optional<FixedFileInfo> PeVersionBlock::QueryFixed() const {
  const std::vector<std::uint8_t>& v = root_.value;
  if (v.size() < kFixedSize || Le32(v, 0) != kFixedSignature) return std::nullopt;
  return FixedFileInfo{Le32(v, 0),  Le32(v, 4),  Le32(v, 8),  Le32(v, 12), Le32(v, 16),
                       Le32(v, 20), Le32(v, 24), Le32(v, 28), Le32(v, 32), Le32(v, 36),
                       Le32(v, 40), Le32(v, 44), Le32(v, 48)};
}

// A table without one whole pair counts as none, so that callers can always
// take its first pair.
std::optional<std::vector<Translation>> PeVersionBlock::QueryTranslations() const {
  const VersionNode* node = FindSubBlock(root_, L"\\VarFileInfo\\Translation");
  if (node == nullptr || node->value.size() < 4) return std::nullopt;
  std::vector<Translation> table(node->value.size() / 4);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = {Le16(node->value, i * 4), Le16(node->value, i * 4 + 2)};
  return table;
}

std::optional<std::wstring> PeVersionBlock::QueryString(const std::wstring& subBlock) const {
  const VersionNode* node = FindSubBlock(root_, subBlock);
  if (node == nullptr || !node->isText) return std::nullopt;
  return DecodeUtf16(node->value);
}

}  // namespace platform::linux_backend

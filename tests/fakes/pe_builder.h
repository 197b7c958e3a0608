// Builds small but complete PE images that carry a version resource, for
// tests that need program files: the version block, and the image around it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/version_info.h"

namespace fakes {

inline void PutLe16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  bytes.at(at) = static_cast<std::uint8_t>(value);
  bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

inline void PutLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  PutLe16(bytes, at, value & 0xFFFF);
  PutLe16(bytes, at + 2, value >> 16);
}

inline void AppendLe16(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  bytes.resize(bytes.size() + 2);
  PutLe16(bytes, bytes.size() - 2, value);
}

inline void AppendLe32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  bytes.resize(bytes.size() + 4);
  PutLe32(bytes, bytes.size() - 4, value);
}

inline void PadTo(std::vector<std::uint8_t>& bytes, std::size_t alignment) {
  bytes.resize((bytes.size() + alignment - 1) / alignment * alignment);
}

// UTF-16LE with its terminating NUL; the tests' texts are all in the BMP.
inline std::vector<std::uint8_t> Utf16z(const std::wstring& text) {
  std::vector<std::uint8_t> out;
  for (const wchar_t c : text) AppendLe16(out, static_cast<std::uint32_t>(c));
  AppendLe16(out, 0);
  return out;
}

// One node of a version block as it is written.
struct VersionNodeSpec {
  std::wstring key;
  std::uint16_t type = 0;  // 1 for text values
  std::vector<std::uint8_t> value;
  // Written instead of the value's proper length when set.
  std::optional<std::uint16_t> valueLength;
  std::vector<VersionNodeSpec> children;
};

inline VersionNodeSpec TextNode(const std::wstring& key, const std::wstring& text) {
  return {key, 1, Utf16z(text), std::nullopt, {}};
}

// The node's bytes, exactly its length long: header, key, padding, value,
// then the children each on a 32-bit boundary.
inline std::vector<std::uint8_t> EncodeVersionNode(const VersionNodeSpec& node) {
  std::vector<std::uint8_t> out(6);
  const std::vector<std::uint8_t> key = Utf16z(node.key);
  out.insert(out.end(), key.begin(), key.end());
  PadTo(out, 4);
  out.insert(out.end(), node.value.begin(), node.value.end());
  for (const VersionNodeSpec& child : node.children) {
    PadTo(out, 4);
    const std::vector<std::uint8_t> bytes = EncodeVersionNode(child);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  const std::size_t proper = node.type == 1 ? node.value.size() / 2 : node.value.size();
  PutLe16(out, 0, static_cast<std::uint32_t>(out.size()));
  PutLe16(out, 2, node.valueLength.value_or(static_cast<std::uint16_t>(proper)));
  PutLe16(out, 4, node.type);
  return out;
}

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;

// What a version block holds; each part can be left out.
struct VersionSpec {
  std::array<std::uint16_t, 4> fileVersion{1, 0, 0, 0};
  bool withFixed = true;
  std::uint32_t signature = kFixedSignature;
  bool withStringFileInfo = true;
  std::wstring stringTable = L"040904b0";
  std::vector<std::pair<std::wstring, std::wstring>> strings;
  // nullopt leaves out VarFileInfo.
  std::optional<std::vector<platform::Translation>> translations = std::vector<platform::Translation>{{0x0409, 1200}};
};

inline VersionNodeSpec VersionTree(const VersionSpec& spec) {
  VersionNodeSpec root{L"VS_VERSION_INFO", 0, {}, std::nullopt, {}};
  if (spec.withFixed) {
    const std::uint32_t ms = (std::uint32_t{spec.fileVersion[0]} << 16) | spec.fileVersion[1];
    const std::uint32_t ls = (std::uint32_t{spec.fileVersion[2]} << 16) | spec.fileVersion[3];
    // Signature, structure version, file and product version, flags mask
    // and flags, 32-bit Windows, an application, no subtype, no date.
    for (const std::uint32_t field : {spec.signature, 0x00010000u, ms, ls, ms, ls, 0x3Fu, 0u, 0x00040004u, 1u, 0u, 0u, 0u}) {
      AppendLe32(root.value, field);
    }
  }
  if (spec.withStringFileInfo) {
    VersionNodeSpec table{spec.stringTable, 1, {}, std::nullopt, {}};
    for (const auto& [key, text] : spec.strings) table.children.push_back(TextNode(key, text));
    root.children.push_back({L"StringFileInfo", 1, {}, std::nullopt, {table}});
  }
  if (spec.translations) {
    VersionNodeSpec var{L"Translation", 0, {}, std::nullopt, {}};
    for (const platform::Translation& t : *spec.translations) {
      AppendLe16(var.value, t.language);
      AppendLe16(var.value, t.codePage);
    }
    root.children.push_back({L"VarFileInfo", 1, {}, std::nullopt, {var}});
  }
  return root;
}

inline std::vector<std::uint8_t> BuildVersionBlock(const VersionSpec& spec) { return EncodeVersionNode(VersionTree(spec)); }

// One language's version block in the resource tree.
struct ResourceSpec {
  std::uint16_t language = 0x0409;
  std::vector<std::uint8_t> block;
};

struct ImageSpec {
  bool pe32Plus = true;
  // The type the blocks are filed under; another than 16 makes an image
  // without a version resource.
  std::uint16_t resourceType = 16;
  std::vector<ResourceSpec> resources;
};

// An image and the file offsets of the parts that tests damage on purpose.
struct PeImage {
  std::vector<std::uint8_t> bytes;
  std::size_t peHeader = 0;
  std::size_t optionalHeader = 0;
  std::size_t resourceDirectoryEntry = 0;  // of the optional header's directory
  std::size_t sectionTable = 0;            // .text first, then .rsrc
  std::size_t resourceSection = 0;         // starts with the root directory
  std::uint32_t resourceRva = 0;
  std::size_t typeDirectory = 0;
  std::size_t languageDirectory = 0;
  std::size_t dataEntries = 0;
  std::size_t firstBlock = 0;
};

inline PeImage BuildPeImage(const ImageSpec& spec) {
  constexpr std::uint32_t kFileAlignment = 0x200;
  constexpr std::uint32_t kSectionAlignment = 0x1000;
  constexpr std::uint32_t kTextRva = 0x1000;
  constexpr std::uint32_t kRsrcRva = 0x2000;
  constexpr std::size_t kTextOffset = 0x200;
  constexpr std::size_t kRsrcOffset = 0x400;
  const auto align = [](std::size_t n, std::size_t a) { return (n + a - 1) / a * a; };

  // The resource section: root, type and language directories, one data
  // entry per language, then the blocks.
  std::vector<std::uint8_t> rsrc;
  // Growing from empty by resize() alone trips a false overflow warning of
  // GCC 12 at -O3; the bytes are reserved up front instead.
  rsrc.reserve(kRsrcOffset);
  const auto directory = [&rsrc](std::size_t entries) {
    rsrc.resize(rsrc.size() + 12);
    AppendLe16(rsrc, 0);
    AppendLe16(rsrc, static_cast<std::uint32_t>(entries));
  };
  directory(1);
  AppendLe32(rsrc, spec.resourceType);
  AppendLe32(rsrc, 0x80000000u | 24);
  directory(1);
  AppendLe32(rsrc, 1);
  AppendLe32(rsrc, 0x80000000u | 48);
  directory(spec.resources.size());
  const std::size_t dataEntries = rsrc.size() + 8 * spec.resources.size();
  for (std::size_t i = 0; i < spec.resources.size(); ++i) {
    AppendLe32(rsrc, spec.resources[i].language);
    AppendLe32(rsrc, static_cast<std::uint32_t>(dataEntries + 16 * i));
  }
  rsrc.resize(dataEntries + 16 * spec.resources.size());
  std::size_t firstBlock = 0;
  for (std::size_t i = 0; i < spec.resources.size(); ++i) {
    PadTo(rsrc, 4);
    if (i == 0) firstBlock = rsrc.size();
    PutLe32(rsrc, dataEntries + 16 * i, static_cast<std::uint32_t>(kRsrcRva + rsrc.size()));
    PutLe32(rsrc, dataEntries + 16 * i + 4, static_cast<std::uint32_t>(spec.resources[i].block.size()));
    rsrc.insert(rsrc.end(), spec.resources[i].block.begin(), spec.resources[i].block.end());
  }
  const std::size_t rsrcSize = rsrc.size();
  PadTo(rsrc, kFileAlignment);

  PeImage image;
  std::vector<std::uint8_t>& out = image.bytes;
  out.assign(kRsrcOffset, 0);
  out[0] = 'M';
  out[1] = 'Z';
  image.peHeader = 0x80;
  PutLe32(out, 0x3C, static_cast<std::uint32_t>(image.peHeader));
  out[0x80] = 'P';
  out[0x81] = 'E';
  const std::size_t coff = image.peHeader + 4;
  const std::uint32_t optionalSize = spec.pe32Plus ? 240 : 224;
  PutLe16(out, coff, spec.pe32Plus ? 0x8664 : 0x014C);
  PutLe16(out, coff + 2, 2);
  PutLe16(out, coff + 16, optionalSize);
  PutLe16(out, coff + 18, spec.pe32Plus ? 0x2022 : 0x2102);  // an executable DLL

  image.optionalHeader = coff + 20;
  const std::size_t opt = image.optionalHeader;
  const std::size_t wide = spec.pe32Plus ? 16 : 0;  // PE32+ widens the image base and the four sizes
  PutLe16(out, opt, spec.pe32Plus ? 0x20B : 0x10B);
  PutLe32(out, opt + 4, kFileAlignment);  // size of code
  PutLe32(out, opt + 8, static_cast<std::uint32_t>(rsrc.size()));
  PutLe32(out, opt + 20, kTextRva);
  if (spec.pe32Plus) {
    PutLe32(out, opt + 24, 0x80000000);  // image base 0x180000000
    PutLe32(out, opt + 28, 0x00000001);
  } else {
    PutLe32(out, opt + 24, kRsrcRva);  // base of data
    PutLe32(out, opt + 28, 0x10000000);
  }
  PutLe32(out, opt + 32, kSectionAlignment);
  PutLe32(out, opt + 36, kFileAlignment);
  PutLe16(out, opt + 40, 6);
  PutLe16(out, opt + 48, 6);
  PutLe32(out, opt + 56, static_cast<std::uint32_t>(kRsrcRva + align(rsrcSize, kSectionAlignment)));
  PutLe32(out, opt + 60, static_cast<std::uint32_t>(kTextOffset));
  PutLe16(out, opt + 68, 2);  // a windowed program
  PutLe32(out, opt + 92 + wide, 16);
  image.resourceDirectoryEntry = opt + 96 + wide + 2 * 8;
  PutLe32(out, image.resourceDirectoryEntry, kRsrcRva);
  PutLe32(out, image.resourceDirectoryEntry + 4, static_cast<std::uint32_t>(rsrcSize));

  image.sectionTable = opt + optionalSize;
  const auto section = [&out](std::size_t at, const char* name, std::uint32_t virtualSize, std::uint32_t rva,
                              std::uint32_t rawSize, std::uint32_t rawPointer, std::uint32_t flags) {
    for (std::size_t i = 0; name[i] != '\0'; ++i) out[at + i] = static_cast<std::uint8_t>(name[i]);
    PutLe32(out, at + 8, virtualSize);
    PutLe32(out, at + 12, rva);
    PutLe32(out, at + 16, rawSize);
    PutLe32(out, at + 20, rawPointer);
    PutLe32(out, at + 36, flags);
  };
  section(image.sectionTable, ".text", 1, kTextRva, kFileAlignment, kTextOffset, 0x60000020);
  section(image.sectionTable + 40, ".rsrc", static_cast<std::uint32_t>(rsrcSize), kRsrcRva,
          static_cast<std::uint32_t>(rsrc.size()), kRsrcOffset, 0x40000040);
  out[kTextOffset] = 0xC3;  // ret

  out.insert(out.end(), rsrc.begin(), rsrc.end());
  image.resourceSection = kRsrcOffset;
  image.resourceRva = kRsrcRva;
  image.typeDirectory = kRsrcOffset + 24;
  image.languageDirectory = kRsrcOffset + 48;
  image.dataEntries = kRsrcOffset + dataEntries;
  image.firstBlock = kRsrcOffset + firstBlock;
  return image;
}

// A whole image file with one version block, in US English.
inline std::vector<std::uint8_t> BuildPeFile(const VersionSpec& spec, bool pe32Plus = true) {
  return BuildPeImage({pe32Plus, 16, {{0x0409, BuildVersionBlock(spec)}}}).bytes;
}

}  // namespace fakes

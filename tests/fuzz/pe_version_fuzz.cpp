// Fuzzes the version resource reader on the bytes of a pretend program file:
// the walk to the resource, the block parser and the queries callers make.
// The same bytes are also parsed as a bare version block, so that the block
// parser is reached without a valid image around it.
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <span>
#include <string>

#include "platform/linux/pe_version.h"

namespace {

using platform::linux_backend::FindVersionResource;
using platform::linux_backend::ParseVersionInfo;
using platform::linux_backend::PeVersionBlock;

void Query(std::span<const std::uint8_t> bytes) {
  auto root = ParseVersionInfo(bytes);
  if (!root) return;
  const PeVersionBlock block(std::move(*root));
  if (const auto fixed = block.QueryFixed(); fixed && fixed->signature != 0xFEEF04BDu) std::abort();
  std::wstring table = L"040904b0";
  if (const auto translations = block.QueryTranslations()) {
    if (translations->empty()) std::abort();
    wchar_t key[9];
    std::swprintf(key, 9, L"%04x%04x", translations->front().language, translations->front().codePage);
    table = key;
  }
  for (const wchar_t* name : {L"CompanyName", L"ProductName", L"LegalCopyright"}) {
    const auto text = block.QueryString(L"\\StringFileInfo\\" + table + L"\\" + name);
    if (text && text->find(L'\0') != std::wstring::npos) std::abort();
  }
  static_cast<void>(block.QueryString(L"\\StringFileInfo\\\\" + table));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (const auto block = FindVersionResource(bytes)) {
    if (block->data() < data || block->data() + block->size() > data + size) std::abort();
    Query(*block);
  }
  Query(bytes);
  return 0;
}

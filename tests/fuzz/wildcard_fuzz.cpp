// Fuzzes the two portable pieces of the file search and the text files
// against plain reference versions: the wildcard matcher against a table of
// every pattern prefix by every name prefix, and the line reader, fed in odd
// small reads with a small buffer and a short longest line, against cutting
// the whole text at once.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "base/line_reader.h"
#include "base/wildcard.h"

namespace {

bool ReferenceMatch(const std::wstring& pattern, const std::wstring& name) {
  const std::wstring p = text::LowerAscii(pattern);
  const std::wstring n = text::LowerAscii(name);
  // row[j]: the pattern's first i characters match the name's first j.
  std::vector<char> row(n.size() + 1, 0);
  row[0] = 1;
  for (const wchar_t c : p) {
    std::vector<char> next(n.size() + 1, 0);
    next[0] = c == L'*' && row[0];
    for (std::size_t j = 1; j <= n.size(); ++j) {
      if (c == L'*') {
        next[j] = row[j] || next[j - 1];
      } else {
        next[j] = row[j - 1] && (c == L'?' || c == n[j - 1]);
      }
    }
    row.swap(next);
  }
  return row[n.size()] != 0;
}

std::vector<std::string> ReferenceLines(std::string_view bytes, std::size_t maxLine) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t newline = bytes.find('\n', start);
    std::string line(bytes.substr(start, newline == std::string_view::npos ? std::string_view::npos : newline - start));
    if (newline != std::string_view::npos && !line.empty() && line.back() == '\r') line.pop_back();
    start = newline == std::string_view::npos ? bytes.size() : newline + 1;
    std::size_t at = 0;
    do {
      lines.push_back(line.substr(at, maxLine));
      at += maxLine;
    } while (at < line.size());
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::size_t bufferBytes = 2 + data[0] % 8;
  const std::size_t maxLine = 1 + data[1] % 8;
  const std::size_t readBytes = 1 + data[2] % 5;
  const std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);

  const std::size_t patternLength = data[3] % (rest.size() + 1);
  const std::wstring pattern(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(patternLength));
  const std::wstring name(rest.begin() + static_cast<std::ptrdiff_t>(patternLength), rest.end());
  if (text::MatchesWildcard(pattern, name) != ReferenceMatch(pattern, name)) std::abort();

  std::size_t at = 0;
  text::LineReader reader(
      [&](char* out, std::size_t room) {
        const std::size_t n = std::min({room, readBytes, rest.size() - at});
        rest.copy(out, n, at);
        at += n;
        return n;
      },
      bufferBytes, maxLine);
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  if (lines != ReferenceLines(rest, maxLine)) std::abort();
  return 0;
}

// The line rules of text files as one table, run against real files by the
// tests of each build's file system, so that both builds read the same lines.
#pragma once

#include <string>
#include <vector>

#include "base/line_reader.h"

namespace cases {

struct TextFileCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

inline std::vector<TextFileCase> TextFileCases() {
  using std::string;
  constexpr std::size_t kMax = text::LineReader::kMaxLineBytes;
  const string longLine(3 * text::LineReader::kBufferBytes + 7, 'x');
  return {
      {"line feeds", "a\nbb\n", {"a", "bb"}},
      {"carriage return and line feed", "a\r\nbb\r\n", {"a", "bb"}},
      {"last line without a line end", "a\nbb", {"a", "bb"}},
      {"empty file", "", {}},
      {"empty lines", "\n\r\n\n", {"", "", ""}},
      {"a lone carriage return stays", "a\rb\r\n\rc\r", {"a\rb", "\rc\r"}},
      {"only the last carriage return goes with the line feed", "a\r\r\n", {"a\r"}},
      {"NUL and high bytes stay", string("a\0b\n\0\xff\n", 7), {string("a\0b", 3), string("\0\xff", 2)}},
      {"line longer than the read buffer", longLine + "\r\nend", {longLine, "end"}},
      {"line of exactly the longest length", string(kMax, 'y') + "\r\nz", {string(kMax, 'y'), "z"}},
      {"longer line comes in pieces", string(2 * kMax + 5, 'w') + "\n", {string(kMax, 'w'), string(kMax, 'w'), "wwwww"}},
  };
}

}  // namespace cases

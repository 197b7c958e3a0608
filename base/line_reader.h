// Cuts the bytes of a text file into lines, the same way in every build: a
// line ends at a line feed, a carriage return right before the line feed goes
// with it, a last line without a line feed is still a line, and every other
// byte (a lone carriage return, a NUL) stays in its line as it is.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace text {

class LineReader {
 public:
  // Puts up to `size` bytes into `buffer` and returns how many it put there;
  // 0 at the end of the bytes and on a read error.
  using Source = std::function<std::size_t(char* buffer, std::size_t size)>;

  static constexpr std::size_t kBufferBytes = 64 * 1024;
  // A longer line comes out in pieces of this many bytes, so that a file
  // without line feeds cannot take all the memory there is.
  static constexpr std::size_t kMaxLineBytes = 1024 * 1024;

  explicit LineReader(Source source, std::size_t bufferBytes = kBufferBytes, std::size_t maxLineBytes = kMaxLineBytes);

  // False at the end of the bytes.
  bool ReadLine(std::string& line);

 private:
  // Makes at least `count` bytes (1 or 2) ready in the buffer; false when the
  // source ends first.
  bool Fill(std::size_t count);

  Source source_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t maxLine_;
  bool ended_ = false;
};

}  // namespace text

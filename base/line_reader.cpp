#include "base/line_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace text {

// The buffer holds at least the two bytes of a CR LF, the longest line end.
LineReader::LineReader(Source source, std::size_t bufferBytes, std::size_t maxLineBytes)
    : source_(std::move(source)), buffer_(std::max<std::size_t>(bufferBytes, 2)), maxLine_(std::max<std::size_t>(maxLineBytes, 1)) {}

bool LineReader::Fill(std::size_t count) {
  while (end_ - begin_ < count) {
    if (ended_) return false;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    const std::size_t room = buffer_.size() - end_;
    const std::size_t got = std::min(source_(buffer_.data() + end_, room), room);
    if (got == 0) ended_ = true;
    end_ += got;
  }
  return true;
}

bool LineReader::ReadLine(std::string& line) {
  line.clear();
  for (;;) {
    if (!Fill(1)) return !line.empty();
    if (line.size() == maxLine_) {
      // A full piece. A line end right after it still belongs to it, so that
      // a line of exactly the longest length comes out whole and is not
      // followed by an empty piece.
      if (buffer_[begin_] == '\n') {
        ++begin_;
        if (line.back() == '\r') line.pop_back();
      } else if (buffer_[begin_] == '\r' && Fill(2) && buffer_[begin_ + 1] == '\n') {
        begin_ += 2;
      }
      return true;
    }
    const char* start = buffer_.data() + begin_;
    const std::size_t length = std::min(end_ - begin_, maxLine_ - line.size());
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', length));
    if (newline != nullptr) {
      line.append(start, newline);
      begin_ += static_cast<std::size_t>(newline - start) + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    line.append(start, length);
    begin_ += length;
  }
}

}  // namespace text

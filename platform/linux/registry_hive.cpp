#include "platform/linux/registry_hive.h"

#include <utility>

#include "base/text.h"
#include "base/utf.h"

namespace platform::linux_backend {

namespace {

// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::uint64_t kUnixEpochInFileTimeSeconds = 11644473600ull;
constexpr std::uint64_t kFileTimeTicksPerSecond = 10000000ull;

// Hands out the physical lines of the text; a value written over several
// lines asks for its continuation lines itself.
class HiveLines {
 public:
  explicit HiveLines(std::string_view text) : text_(text) {}

  bool Next(std::string_view& line) {
    if (!Peek(line)) return false;
    pos_ = next_;
    return true;
  }

  bool Peek(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    next_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t next_ = 0;
};

// A line holds no line feed, so the C library's blanks are the hive's.
bool IsSpace(char c) { return text::IsOneOf(c, text::kCSpace); }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  return s;
}

bool IsBlank(std::string_view s) { return TrimLeft(s).empty(); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads 1 to `maxDigits` hexadecimal digits at `pos`; a digit beyond them is
// left for the caller, to whom it means more text or a fault.
bool ParseHexNumber(std::string_view s, std::size_t& pos, std::size_t maxDigits, std::uint64_t& value) {
  value = 0;
  std::size_t digits = 0;
  while (digits < maxDigits && pos < s.size() && HexDigit(s[pos]) >= 0) {
    value = value * 16 + static_cast<std::uint64_t>(HexDigit(s[pos++]));
    ++digits;
  }
  return digits > 0;
}

void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp > 0xFFFF) {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(cp));
  }
}

// Decodes a quoted text from `pos` up to the unescaped `end` character, with
// the escapes Wine writes: C escapes, "\x" with up to four hexadecimal
// digits, octal escapes and a backslash before any other character. Wine
// writes only ASCII, but bytes above it are taken as UTF-8. False when the
// line ends before `end`.
bool ParseEscaped(std::string_view line, std::size_t& pos, char end, std::u16string& out) {
  while (pos < line.size()) {
    const char c = line[pos];
    if (c == end) {
      ++pos;
      return true;
    }
    if (c == '\\') {
      if (++pos >= line.size()) return false;
      const char e = line[pos];
      char16_t unit = 0;
      switch (e) {
        case 'a': unit = 7; break;
        case 'b': unit = 8; break;
        case 'e': unit = 27; break;
        case 'f': unit = 12; break;
        case 'n': unit = 10; break;
        case 'r': unit = 13; break;
        case 't': unit = 9; break;
        case 'v': unit = 11; break;
        case 'x': {
          ++pos;
          std::uint64_t value = 0;
          out.push_back(ParseHexNumber(line, pos, 4, value) ? static_cast<char16_t>(value) : u'x');
          continue;
        }
        default:
          if (e >= '0' && e <= '7') {
            unsigned value = static_cast<unsigned>(e - '0');
            ++pos;
            for (int n = 1; n < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7'; ++n) {
              value = value * 8 + static_cast<unsigned>(line[pos++] - '0');
            }
            out.push_back(static_cast<char16_t>(value));
            continue;
          }
          // Any other escaped character stands for itself; a non-ASCII one
          // is decoded below like an unescaped one.
          if (static_cast<unsigned char>(e) >= 0x80) continue;
          unit = static_cast<char16_t>(e);
          break;
      }
      out.push_back(unit);
      ++pos;
      continue;
    }
    if (static_cast<unsigned char>(c) < 0x80) {
      out.push_back(static_cast<char16_t>(c));
      ++pos;
      continue;
    }
    std::size_t runEnd = pos;
    while (runEnd < line.size() && static_cast<unsigned char>(line[runEnd]) >= 0x80) ++runEnd;
    for (const wchar_t w : text::FromUtf8(line.substr(pos, runEnd - pos))) AppendCodePoint(out, static_cast<char32_t>(w));
    pos = runEnd;
  }
  return false;
}

std::vector<std::uint8_t> Utf16LeWithTerminator(const std::u16string& units) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(units.size() * 2 + 2);
  for (const char16_t unit : units) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

// The continuation of a hexadecimal value: the next line if it carries more
// digits. A blank line ends the value; any other line is left for the main
// loop, and the value it interrupted is dropped.
enum class Continuation { More, Ended, Broken };

Continuation NextHexLine(HiveLines& reader, std::string_view& line) {
  std::string_view next;
  if (!reader.Peek(next)) return Continuation::Ended;
  next = TrimLeft(next);
  if (!next.empty() && HexDigit(next.front()) < 0) return Continuation::Broken;
  reader.Next(line);
  line = next;
  return next.empty() ? Continuation::Ended : Continuation::More;
}

// Comma-separated bytes of one or two hexadecimal digits each; a backslash
// at the end of a line continues the list on the next one.
bool ParseHexBytes(std::string_view line, std::size_t pos, HiveLines& reader, std::vector<std::uint8_t>& out) {
  for (;;) {
    while (pos < line.size() && IsSpace(line[pos])) ++pos;
    if (pos == line.size()) return true;
    if (line[pos] == '\\') {
      if (!IsBlank(line.substr(pos + 1))) return false;
      const Continuation next = NextHexLine(reader, line);
      if (next != Continuation::More) return next == Continuation::Ended;
      pos = 0;
      continue;
    }
    std::uint64_t byte = 0;
    if (!ParseHexNumber(line, pos, 2, byte)) return false;
    out.push_back(static_cast<std::uint8_t>(byte));
    while (pos < line.size() && IsSpace(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == ',') ++pos;
    else if (pos < line.size() && line[pos] != '\\') return false;
  }
}

// "(N):" after "hex" or "str": the value type in hexadecimal.
bool ParseTypeSuffix(std::string_view s, std::size_t& pos, std::uint32_t& type) {
  std::uint64_t value = 0;
  if (pos >= s.size() || s[pos] != '(') return false;
  ++pos;
  if (!ParseHexNumber(s, pos, 8, value)) return false;
  if (s.substr(pos, 2) != "):") return false;
  pos += 2;
  type = static_cast<std::uint32_t>(value);
  return true;
}

bool ParseValueData(std::string_view line, std::size_t pos, HiveLines& reader, RegistryHiveValue& value) {
  const std::string_view rest = line.substr(pos);
  if (rest.starts_with("\"") || rest.starts_with("str(")) {
    value.type = kRegSz;
    if (rest.front() == 's') {
      pos += 3;
      if (!ParseTypeSuffix(line, pos, value.type)) return false;
      if (pos >= line.size() || line[pos] != '"') return false;
    }
    ++pos;
    std::u16string units;
    if (!ParseEscaped(line, pos, '"', units)) return false;
    value.data = Utf16LeWithTerminator(units);
    return true;
  }
  if (rest.starts_with("dword:")) {
    pos += 6;
    std::uint64_t number = 0;
    if (!ParseHexNumber(line, pos, 8, number) || !IsBlank(line.substr(pos))) return false;
    value.type = kRegDword;
    for (int shift = 0; shift < 32; shift += 8) value.data.push_back(static_cast<std::uint8_t>(number >> shift));
    return true;
  }
  if (rest.starts_with("hex:")) {
    value.type = kRegBinary;
    return ParseHexBytes(line, pos + 4, reader, value.data);
  }
  if (rest.starts_with("hex(")) {
    pos += 3;
    if (!ParseTypeSuffix(line, pos, value.type)) return false;
    return ParseHexBytes(line, pos, reader, value.data);
  }
  return false;
}

// `"name"=data` or `@=data`.
bool ParseValueLine(std::string_view line, HiveLines& reader, RegistryHiveValue& value) {
  std::size_t pos = 1;
  if (line.front() == '"') {
    std::u16string units;
    if (!ParseEscaped(line, pos, '"', units)) return false;
    value.name = text::FromUtf16(units);
  }
  while (pos < line.size() && IsSpace(line[pos])) ++pos;
  if (pos >= line.size() || line[pos] != '=') return false;
  ++pos;
  while (pos < line.size() && IsSpace(line[pos])) ++pos;
  return ParseValueData(line, pos, reader, value);
}

// `[path\\below\\the\\root] unix-seconds`. Runs of backslashes separate as
// one. Returns the key the following lines describe, or nullptr when the line
// is not understood.
RegistryHiveKey* ParseKeyLine(std::string_view line, RegistryHiveKey& root) {
  std::size_t pos = 1;
  std::u16string units;
  if (!ParseEscaped(line, pos, ']', units)) return nullptr;
  std::vector<std::u16string_view> components;
  const std::u16string_view path(units);
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(u'\\', start);
    if (end == std::u16string_view::npos) end = path.size();
    if (end > start) components.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  if (components.size() > kMaxHiveDepth) return nullptr;

  const std::string_view stamp = TrimLeft(line.substr(pos));
  std::uint64_t seconds = 0;
  for (std::size_t i = 0; i < stamp.size() && stamp[i] >= '0' && stamp[i] <= '9' && seconds <= 0xFFFFFFFFull; ++i) {
    seconds = seconds * 10 + static_cast<std::uint64_t>(stamp[i] - '0');
  }
  // A stamp beyond what Wine writes is no time at all.
  const FileTime written = seconds <= 0xFFFFFFFFull ? FileTimeFromUnix(seconds) : 0;

  // Keys only implied by the path take the time of the line that implied
  // them, as Wine gives them when it loads the file.
  RegistryHiveKey* key = &root;
  for (const std::u16string_view component : components) {
    bool created = false;
    key = &key->ObtainSubkey(text::FromUtf16(component), created);
    if (created) key->lastWrite = written;
  }
  key->lastWrite = written;
  return key;
}

void ParseMarkLine(std::string_view line, RegistryHiveKey& key) {
  if (line.starts_with("#time=")) {
    std::size_t pos = 6;
    std::uint64_t time = 0;
    if (ParseHexNumber(line, pos, 16, time) && IsBlank(line.substr(pos))) key.lastWrite = time;
  } else if (line.starts_with("#link") && IsBlank(line.substr(5))) {
    key.isLink = true;
  }
}

}  // namespace

const RegistryHiveKey* RegistryHiveKey::FindSubkey(const std::wstring& subkeyName) const {
  const auto it = subkeyIndex_.find(text::LowerAscii(subkeyName));
  return it == subkeyIndex_.end() ? nullptr : subkeys_[it->second].get();
}

const RegistryHiveValue* RegistryHiveKey::FindValue(const std::wstring& valueName) const {
  const auto it = valueIndex_.find(text::LowerAscii(valueName));
  return it == valueIndex_.end() ? nullptr : &values_[it->second];
}

RegistryHiveKey& RegistryHiveKey::ObtainSubkey(const std::wstring& subkeyName, bool& created) {
  const auto [it, inserted] = subkeyIndex_.try_emplace(text::LowerAscii(subkeyName), subkeys_.size());
  created = inserted;
  if (inserted) {
    subkeys_.push_back(std::make_unique<RegistryHiveKey>());
    subkeys_.back()->name = subkeyName;
  }
  return *subkeys_[it->second];
}

void RegistryHiveKey::SetValue(RegistryHiveValue value) {
  const auto [it, inserted] = valueIndex_.try_emplace(text::LowerAscii(value.name), values_.size());
  if (inserted) {
    values_.push_back(std::move(value));
  } else {
    values_[it->second] = std::move(value);
  }
}

FileTime FileTimeFromUnix(std::uint64_t seconds) {
  return (seconds + kUnixEpochInFileTimeSeconds) * kFileTimeTicksPerSecond;
}

RegistryHiveKey ParseRegistryHive(std::string_view text) {
  RegistryHiveKey root;
  RegistryHiveKey* current = nullptr;
  HiveLines reader(text);
  std::string_view line;
  while (reader.Next(line)) {
    line = TrimLeft(line);
    if (line.empty()) continue;
    switch (line.front()) {
      case '[':
        current = ParseKeyLine(line, root);
        break;
      case '@':
      case '"':
        if (current != nullptr) {
          RegistryHiveValue value;
          if (ParseValueLine(line, reader, value)) current->SetValue(std::move(value));
        }
        break;
      case '#':
        if (current != nullptr) ParseMarkLine(line, *current);
        break;
      default:
        // The header line, ";;" comments and lines that are not understood.
        break;
    }
  }
  return root;
}

}  // namespace platform::linux_backend

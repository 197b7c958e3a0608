#include <string>

#include "base/text.h"
#include "base/wildcard.h"
#include "platform/linux/wmi/wql.h"

namespace platform::linux_backend::wmi {

namespace {

bool InRanges(const LikeElement& set, wchar_t c) {
  for (const auto& [low, high] : set.ranges) {
    if (c >= low && c <= high) return true;
  }
  return false;
}

// `lowered` and `raised` are one character of the text in its two cases.
bool MatchesOne(const LikeElement& element, wchar_t lowered, wchar_t raised) {
  switch (element.kind) {
    case LikeElement::Kind::AnyOne:
      return true;
    case LikeElement::Kind::Char:
      return element.lowered == lowered;
    case LikeElement::Kind::Set:
      return (InRanges(element, lowered) || InRanges(element, raised)) != element.negated;
    case LikeElement::Kind::AnyRun:
      break;
  }
  return false;
}

}  // namespace

std::optional<LikePattern> CompileLike(std::wstring_view pattern) {
  // Single characters are compared in lower case; ranges keep the case they
  // are written in, because lowering "[Z-a]" would change what it holds.
  const std::wstring lowered = text::LowerAscii(std::wstring(pattern));
  LikePattern compiled;
  std::size_t at = 0;
  while (at < pattern.size()) {
    LikeElement element;
    const wchar_t c = pattern[at];
    if (c == L'%') {
      element.kind = LikeElement::Kind::AnyRun;
      ++at;
    } else if (c == L'_') {
      element.kind = LikeElement::Kind::AnyOne;
      ++at;
    } else if (c == L'[') {
      element.kind = LikeElement::Kind::Set;
      ++at;
      if (at < pattern.size() && pattern[at] == L'^') {
        element.negated = true;
        ++at;
      }
      const std::size_t first = at;
      while (at < pattern.size() && (pattern[at] != L']' || at == first)) {
        const wchar_t low = pattern[at];
        if (at + 2 < pattern.size() && pattern[at + 1] == L'-' && pattern[at + 2] != L']') {
          element.ranges.emplace_back(low, pattern[at + 2]);
          at += 3;
        } else {
          element.ranges.emplace_back(low, low);
          ++at;
        }
      }
      if (at == pattern.size()) return std::nullopt;
      ++at;
    } else {
      element.kind = LikeElement::Kind::Char;
      element.lowered = lowered[at];
      ++at;
    }
    compiled.push_back(std::move(element));
  }
  return compiled;
}

// Every element but '%' takes exactly one character, which is what the
// shared matching loop needs to stay linear in each length.
bool MatchesLike(const LikePattern& pattern, std::wstring_view text) {
  const std::wstring lowered = text::LowerAscii(std::wstring(text));
  const std::wstring raised = text::UpperAscii(std::wstring(text));
  return text::MatchesWithRuns(
      pattern.size(), lowered.size(), [&](std::size_t pi) { return pattern[pi].kind == LikeElement::Kind::AnyRun; },
      [&](std::size_t pi, std::size_t ti) { return MatchesOne(pattern[pi], lowered[ti], raised[ti]); });
}

}  // namespace platform::linux_backend::wmi

// Wildcard matching: the patterns of a directory search ("*.dll"), matched the
// same way by every build so that both list the same files, and the one
// matching loop that the WQL LIKE patterns share with them.
#pragma once

#include <cstddef>
#include <string_view>

namespace text {

// Whether a whole text matches a whole pattern whose elements each take
// exactly one character, except the runs, which take any number. One pass
// over the text remembers only the latest run: when what follows it fails,
// that run takes one more character and the rest is tried again. Earlier
// runs never need revisiting, because whatever a later run can skip it can
// skip from any earlier starting point too, so the time grows with the
// product of the two lengths at worst, never exponentially.
//
// `isRun(p)` tells whether element p is a run; `matchesOne(p, t)` whether
// the one-character element p takes character t of the text.
template <typename IsRun, typename MatchesOne>
bool MatchesWithRuns(std::size_t patternSize, std::size_t textSize, IsRun isRun, MatchesOne matchesOne) {
  constexpr std::size_t kNoRun = static_cast<std::size_t>(-1);
  std::size_t pi = 0;
  std::size_t ti = 0;
  std::size_t run = kNoRun;
  std::size_t runResume = 0;
  while (ti < textSize) {
    if (pi < patternSize && isRun(pi)) {
      run = pi++;
      runResume = ti;
    } else if (pi < patternSize && matchesOne(pi, ti)) {
      ++pi;
      ++ti;
    } else if (run != kNoRun) {
      pi = run + 1;
      ti = ++runResume;
    } else {
      return false;
    }
  }
  while (pi < patternSize && isRun(pi)) ++pi;
  return pi == patternSize;
}

// Whether `name` matches `pattern`: '*' stands for any run of characters,
// also an empty one, '?' for exactly one character, and every other character
// for itself without regard to the case of A-Z. There is no other special
// character.
bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name);

}  // namespace text

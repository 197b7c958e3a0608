#include "platform/wildcard.h"

#include <string>

#include "model/text.h"

namespace platform {

// One pass over the name that remembers only the latest '*': when the text
// after it fails to match, that '*' takes one more character and the text is
// tried again. Earlier stars never need to be revisited, because whatever a
// later star can skip it can skip from any earlier starting point as well.
bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name) {
  const std::wstring p = text::LowerAscii(std::wstring(pattern));
  const std::wstring n = text::LowerAscii(std::wstring(name));
  constexpr std::size_t kNoStar = std::wstring::npos;
  std::size_t pi = 0;
  std::size_t ni = 0;
  std::size_t star = kNoStar;
  std::size_t starResume = 0;
  while (ni < n.size()) {
    if (pi < p.size() && p[pi] == L'*') {
      star = pi++;
      starResume = ni;
    } else if (pi < p.size() && (p[pi] == L'?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (star != kNoStar) {
      pi = star + 1;
      ni = ++starResume;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == L'*') ++pi;
  return pi == p.size();
}

}  // namespace platform

#include "base/wildcard.h"

#include <string>

#include "base/text.h"

namespace text {

bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name) {
  const std::wstring p = LowerAscii(std::wstring(pattern));
  const std::wstring n = LowerAscii(std::wstring(name));
  return MatchesWithRuns(
      p.size(), n.size(), [&p](std::size_t pi) { return p[pi] == L'*'; },
      [&p, &n](std::size_t pi, std::size_t ti) { return p[pi] == L'?' || p[pi] == n[ti]; });
}

}  // namespace text

// The wildcard patterns of a directory search ("*.dll"), matched the same way
// by every build so that both list the same files.
#pragma once

#include <string_view>

namespace platform {

// Whether `name` matches `pattern`: '*' stands for any run of characters,
// also an empty one, '?' for exactly one character, and every other character
// for itself without regard to the case of A-Z. There is no other special
// character. The time taken grows with the product of the two lengths at
// worst, never exponentially, whatever the number of '*'.
bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name);

}  // namespace platform

// The busy animation of the status list: image numbers 2 to 13, cycling. The
// frame lives as long as the process, so every collection continues the
// animation where the previous one left it.
#pragma once

namespace app {

inline constexpr int kImageOk = 0;
inline constexpr int kImageError = 1;
inline constexpr int kFirstBusyImage = 2;
inline constexpr int kLastBusyImage = 13;

// Returns the current frame and advances to the next one.
int TakeAnimationFrame();

}  // namespace app

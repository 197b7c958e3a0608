#include "app/status_animation.h"

namespace app {

namespace {
int g_animationFrame = kFirstBusyImage;
}  // namespace

int TakeAnimationFrame() {
  const int frame = g_animationFrame;
  g_animationFrame = frame >= kLastBusyImage ? kFirstBusyImage : frame + 1;
  return frame;
}

}  // namespace app

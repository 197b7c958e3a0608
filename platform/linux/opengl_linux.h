// The strings of the OpenGL driver, asked through EGL on a context that needs
// no window and no X server.
#pragma once

#include "platform/opengl.h"

namespace platform::linux_backend {

class EglOpenGL final : public OpenGL {
 public:
  // Makes a compatibility-profile context on Mesa's surfaceless platform
  // (the default display where that platform is missing), asks the string,
  // and releases everything again. The window handle is not needed.
  // Failures map onto the Windows steps: display or initialisation
  // DeviceContext, configuration ChoosePixelFormat, pbuffer SetPixelFormat,
  // context CreateContext, making it current MakeCurrent.
  GlAnswer GetString(std::uintptr_t window, std::uint32_t name) override;
};

}  // namespace platform::linux_backend

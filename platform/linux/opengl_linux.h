// The strings of the OpenGL driver, asked through EGL on a context that needs
// no window and no X server.
#pragma once

#include <memory>

#include "platform/opengl.h"

namespace platform::linux_backend {

class EglOpenGL final : public OpenGL {
 public:
  EglOpenGL();
  EglOpenGL(const EglOpenGL&) = delete;
  EglOpenGL& operator=(const EglOpenGL&) = delete;
  ~EglOpenGL() override;

  // Makes a compatibility-profile context on Mesa's surfaceless platform
  // (the default display where that platform is missing), asks the string,
  // and releases the context again. The window handle is not needed.
  // Failures map onto the Windows steps: display or initialisation
  // DeviceContext, configuration ChoosePixelFormat, pbuffer SetPixelFormat,
  // context CreateContext, making it current MakeCurrent.
  GlAnswer GetString(std::uintptr_t window, std::uint32_t name) override;

 private:
  // The display stays initialised from the first question to the end: Mesa
  // loads and sets up its driver at every initialisation, which costs ten
  // times what a context does.
  struct Display;
  std::unique_ptr<Display> display_;
};

}  // namespace platform::linux_backend

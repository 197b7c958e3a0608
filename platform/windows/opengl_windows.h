// OpenGL driver strings through WGL: a rendering context is made on the
// given window for every question and released before the answer returns.
#pragma once

#include "platform/opengl.h"

namespace platform::windows_backend {

class WglOpenGL final : public OpenGL {
 public:
  // `window` is an HWND. A null handle is refused as a missing device
  // context: the screen's own context is no place to set a pixel format.
  // The window's pixel format is set once; later calls find it set and
  // use it.
  GlAnswer GetString(std::uintptr_t window, std::uint32_t name) override;
};

}  // namespace platform::windows_backend

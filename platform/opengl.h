// One string of the installed OpenGL driver, asked through a fresh rendering
// context on the main window each time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The step of making the context that failed.
enum class GlFailure { None, DeviceContext, ChoosePixelFormat, SetPixelFormat, CreateContext, MakeCurrent };

struct GlAnswer {
  GlFailure failure = GlFailure::None;
  // The error state after glGetString; 0 is GL_NO_ERROR.
  std::uint32_t error = 0;
  // The driver's string converted to wide text; nullopt for a null pointer.
  std::optional<std::wstring> text;
};

class OpenGL {
 public:
  virtual ~OpenGL() = default;
  // `window` is the main window's native handle (0 where the platform needs
  // none); the context is released before the call returns.
  virtual GlAnswer GetString(std::uintptr_t window, std::uint32_t name) = 0;
};

}  // namespace platform

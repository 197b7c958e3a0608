#include "platform/windows/opengl_windows.h"

#include <windows.h>
#include <GL/gl.h>

#include <cstring>

namespace platform::windows_backend {

namespace {

// The device context of a window, released when it goes.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(window ? GetDC(window) : nullptr) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A rendering context, deleted when it goes.
class RenderingContext {
 public:
  explicit RenderingContext(HDC dc) : context_(wglCreateContext(dc)) {}
  RenderingContext(const RenderingContext&) = delete;
  RenderingContext& operator=(const RenderingContext&) = delete;
  ~RenderingContext() {
    if (context_) wglDeleteContext(context_);
  }
  HGLRC Get() const { return context_; }

 private:
  HGLRC context_;
};

// Makes a context current on this thread, and none when it goes.
class CurrentContext {
 public:
  CurrentContext(HDC dc, HGLRC context) : current_(wglMakeCurrent(dc, context) != FALSE) {}
  CurrentContext(const CurrentContext&) = delete;
  CurrentContext& operator=(const CurrentContext&) = delete;
  ~CurrentContext() {
    if (current_) wglMakeCurrent(nullptr, nullptr);
  }
  bool Current() const { return current_; }

 private:
  bool current_;
};

PIXELFORMATDESCRIPTOR Descriptor() {
  PIXELFORMATDESCRIPTOR descriptor{};
  descriptor.nSize = sizeof descriptor;
  descriptor.nVersion = 1;
  descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  descriptor.iPixelType = PFD_TYPE_RGBA;
  descriptor.cColorBits = 24;
  descriptor.cDepthBits = 32;
  descriptor.iLayerType = PFD_MAIN_PLANE;
  return descriptor;
}

std::optional<std::wstring> WideText(const GLubyte* bytes) {
  if (!bytes) return std::nullopt;
  const char* text = reinterpret_cast<const char*>(bytes);
  const int length = static_cast<int>(std::strlen(text));
  if (length == 0) return std::wstring();
  const int wide = MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, nullptr, 0);
  if (wide <= 0) return std::wstring();
  std::wstring converted(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, converted.data(), wide);
  return converted;
}

}  // namespace

GlAnswer WglOpenGL::GetString(std::uintptr_t window, std::uint32_t name) {
  const WindowDc dc(reinterpret_cast<HWND>(window));
  if (!dc.Get()) return {GlFailure::DeviceContext, 0, std::nullopt};
  const PIXELFORMATDESCRIPTOR descriptor = Descriptor();
  const int format = ChoosePixelFormat(dc.Get(), &descriptor);
  if (format == 0) return {GlFailure::ChoosePixelFormat, 0, std::nullopt};
  // A window's pixel format can be set only once; the one set by an earlier
  // call is the one chosen now.
  if (GetPixelFormat(dc.Get()) != format && !SetPixelFormat(dc.Get(), format, &descriptor)) {
    return {GlFailure::SetPixelFormat, 0, std::nullopt};
  }
  const RenderingContext context(dc.Get());
  if (!context.Get()) return {GlFailure::CreateContext, 0, std::nullopt};
  const CurrentContext current(dc.Get(), context.Get());
  if (!current.Current()) return {GlFailure::MakeCurrent, 0, std::nullopt};
  const GLubyte* text = glGetString(name);
  const GLenum error = glGetError();
  return {GlFailure::None, static_cast<std::uint32_t>(error), WideText(text)};
}

}  // namespace platform::windows_backend

#include "platform/linux/opengl_linux.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <string_view>

#include "base/utf.h"

namespace platform::linux_backend {

namespace {

bool HasExtension(const char* extensions, std::string_view name) {
  std::string_view list = extensions == nullptr ? std::string_view() : std::string_view(extensions);
  while (!list.empty()) {
    const std::size_t space = list.find(' ');
    if (list.substr(0, space) == name) return true;
    list = space == std::string_view::npos ? std::string_view() : list.substr(space + 1);
  }
  return false;
}

// Mesa's surfaceless platform renders without any window system, so the
// probe works with no X server; the default display needs one.
EGLDisplay OpenDisplay() {
  const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  if (HasExtension(client, "EGL_EXT_platform_base") && HasExtension(client, "EGL_MESA_platform_surfaceless")) {
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay != nullptr) {
      return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    }
  }
  return eglGetDisplay(EGL_DEFAULT_DISPLAY);
}

}  // namespace

// The display once it is initialised; a failed initialisation is tried
// again at the next question.
struct EglOpenGL::Display {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLint major = 0;
  EGLint minor = 0;

  ~Display() {
    if (display != EGL_NO_DISPLAY) eglTerminate(display);
  }

  bool Initialize() {
    if (display != EGL_NO_DISPLAY) return true;
    const EGLDisplay opened = OpenDisplay();
    if (opened == EGL_NO_DISPLAY || eglInitialize(opened, &major, &minor) != EGL_TRUE) return false;
    display = opened;
    return true;
  }
};

namespace {

// One current context and what it was made from. The destructor takes it
// down in the reverse order, whichever step failed.
class EglContext {
 public:
  EglContext(EGLDisplay display, EGLint major, EGLint minor) : display_(display), major_(major), minor_(minor) {}
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;

  ~EglContext() {
    if (current_) eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (context_ != EGL_NO_CONTEXT) eglDestroyContext(display_, context_);
    if (surface_ != EGL_NO_SURFACE) eglDestroySurface(display_, surface_);
    // The bound API is the thread's state; give back what the caller had.
    if (previousApi_ != EGL_NONE) eglBindAPI(previousApi_);
  }

  GlFailure MakeCurrent() {
    const char* extensions = eglQueryString(display_, EGL_EXTENSIONS);
    const bool surfaceless = HasExtension(extensions, "EGL_KHR_surfaceless_context");
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, surfaceless ? 0 : EGL_PBUFFER_BIT,
                                       EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    if (eglChooseConfig(display_, configAttributes, &config, 1, &configs) != EGL_TRUE || configs < 1) {
      return GlFailure::ChoosePixelFormat;
    }
    if (!surfaceless) {
      const EGLint pbufferAttributes[] = {EGL_WIDTH, 1, EGL_HEIGHT, 1, EGL_NONE};
      surface_ = eglCreatePbufferSurface(display_, config, pbufferAttributes);
      if (surface_ == EGL_NO_SURFACE) return GlFailure::SetPixelFormat;
    }

    previousApi_ = eglQueryAPI();
    if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) return GlFailure::CreateContext;
    // A core profile has no GL_EXTENSIONS string; the profile can be named
    // only from EGL 1.5 or with the context creation extension.
    const bool profiles = major_ > 1 || minor_ >= 5 || HasExtension(extensions, "EGL_KHR_create_context");
    const EGLint compatibility[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                    EGL_NONE};
    const EGLint none[] = {EGL_NONE};
    context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, profiles ? compatibility : none);
    if (context_ == EGL_NO_CONTEXT) return GlFailure::CreateContext;

    if (eglMakeCurrent(display_, surface_, surface_, context_) != EGL_TRUE) return GlFailure::MakeCurrent;
    current_ = true;
    return GlFailure::None;
  }

 private:
  EGLDisplay display_;
  EGLint major_;
  EGLint minor_;
  EGLSurface surface_ = EGL_NO_SURFACE;
  EGLContext context_ = EGL_NO_CONTEXT;
  bool current_ = false;
  EGLenum previousApi_ = EGL_NONE;
};

}  // namespace

EglOpenGL::EglOpenGL() : display_(std::make_unique<Display>()) {}

EglOpenGL::~EglOpenGL() = default;

GlAnswer EglOpenGL::GetString(std::uintptr_t, std::uint32_t name) {
  GlAnswer answer;
  if (!display_->Initialize()) {
    answer.failure = GlFailure::DeviceContext;
    return answer;
  }
  EglContext context(display_->display, display_->major, display_->minor);
  answer.failure = context.MakeCurrent();
  if (answer.failure != GlFailure::None) return answer;
  const GLubyte* text = glGetString(static_cast<GLenum>(name));
  answer.error = glGetError();
  if (text != nullptr) answer.text = text::FromUtf8(reinterpret_cast<const char*>(text));
  return answer;
}

}  // namespace platform::linux_backend

// The host bundle of the Windows build.
#include "platform/platform.h"
#include "platform/windows/clock_windows.h"
#include "platform/windows/display_windows.h"
#include "platform/windows/file_system_windows.h"
#include "platform/windows/memory_windows.h"
#include "platform/windows/opencl_windows.h"
#include "platform/windows/opengl_windows.h"
#include "platform/windows/output_file_windows.h"
#include "platform/windows/process_windows.h"
#include "platform/windows/registry_windows.h"
#include "platform/windows/security_windows.h"
#include "platform/windows/version_info_windows.h"
#include "platform/windows/wmi_windows.h"
#include "platform/windows/xml_reader_windows.h"
#include "platform/x86_cpu.h"

namespace platform {

namespace {

class WindowsHostPlatform final : public HostPlatform {
 public:
  Platform& Get() override { return bundle_; }

 private:
  windows_backend::XmlLiteFactory xml_;
  windows_backend::Win32Wmi wmi_;
  windows_backend::WindowsProcess process_{[this] { wmi_.Disconnect(); }};
  windows_backend::StdoutConsole console_;
  windows_backend::Win32Registry registry_;
  windows_backend::Win32FileSystem files_;
  windows_backend::Win32VersionResources versions_;
  CpuidCpu cpu_;
  windows_backend::Win32Memory memory_;
  windows_backend::Win32Security security_;
  windows_backend::Win32Display display_;
  windows_backend::WglOpenGL opengl_;
  windows_backend::Win32OpenCL opencl_;
  windows_backend::Win32Clock clock_;
  windows_backend::Win32OutputFiles outputs_;
  Platform bundle_{xml_,    process_,  console_, registry_, files_,  versions_, wmi_,   cpu_,
                   memory_, security_, display_, opengl_,   opencl_, clock_,    outputs_};
};

}  // namespace

std::unique_ptr<HostPlatform> CreateHostPlatform() { return std::make_unique<WindowsHostPlatform>(); }

}  // namespace platform

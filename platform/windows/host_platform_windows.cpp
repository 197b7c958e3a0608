// The host bundle of the Windows build.
#include "platform/platform.h"
#include "platform/windows/file_system_windows.h"
#include "platform/windows/process_windows.h"
#include "platform/windows/registry_windows.h"
#include "platform/windows/version_info_windows.h"
#include "platform/windows/xml_reader_windows.h"

namespace platform {

namespace {

class WindowsHostPlatform final : public HostPlatform {
 public:
  Platform& Get() override { return bundle_; }

 private:
  windows_backend::XmlLiteFactory xml_;
  windows_backend::WindowsProcess process_;
  windows_backend::StdoutConsole console_;
  windows_backend::Win32Registry registry_;
  windows_backend::Win32FileSystem files_;
  windows_backend::Win32VersionResources versions_;
  Platform bundle_{xml_, process_, console_, registry_, files_, versions_};
};

}  // namespace

std::unique_ptr<HostPlatform> CreateHostPlatform() { return std::make_unique<WindowsHostPlatform>(); }

}  // namespace platform

// The host bundle of the Linux build.
#include "platform/linux/process_linux.h"
#include "platform/linux/xml_reader_linux.h"
#include "platform/platform.h"

namespace platform {

namespace {

class LinuxHostPlatform final : public HostPlatform {
 public:
  Platform& Get() override { return bundle_; }

 private:
  linux_backend::LibXmlFactory xml_;
  linux_backend::LinuxProcess process_;
  linux_backend::StdoutConsole console_;
  Platform bundle_{xml_, process_, console_};
};

}  // namespace

std::unique_ptr<HostPlatform> CreateHostPlatform() { return std::make_unique<LinuxHostPlatform>(); }

}  // namespace platform

// The host bundle of the Linux build. The Windows installations it inspects
// live in a Wine prefix: its registry files and its drives.
#include "platform/linux/file_system_linux.h"
#include "platform/linux/process_linux.h"
#include "platform/linux/registry_linux.h"
#include "platform/linux/wine_version_resources.h"
#include "platform/linux/xml_reader_linux.h"
#include "platform/platform.h"

namespace platform {

namespace {

class LinuxHostPlatform final : public HostPlatform {
 public:
  Platform& Get() override { return bundle_; }

 private:
  const std::filesystem::path prefix_ = linux_backend::FindWinePrefix();
  linux_backend::LibXmlFactory xml_;
  linux_backend::LinuxProcess process_;
  linux_backend::StdoutConsole console_;
  linux_backend::WineRegistry registry_{prefix_};
  linux_backend::WineFileSystem files_{linux_backend::WinePathMapper(prefix_)};
  linux_backend::WineVersionResources versions_{prefix_};
  Platform bundle_{xml_, process_, console_, registry_, files_, versions_};
};

}  // namespace

std::unique_ptr<HostPlatform> CreateHostPlatform() { return std::make_unique<LinuxHostPlatform>(); }

}  // namespace platform

// The host bundle of the Linux build. The Windows installations it inspects
// live in a Wine prefix: its registry files and its drives. The machine
// itself answers from /proc, /sys, Mesa's EGL, the OpenCL loader and XRandR,
// and WQL statements run against classes read from those.
#include "platform/linux/clock_linux.h"
#include "platform/linux/display_linux.h"
#include "platform/linux/file_system_linux.h"
#include "platform/linux/memory_linux.h"
#include "platform/linux/opencl_linux.h"
#include "platform/linux/opengl_linux.h"
#include "platform/linux/output_file_linux.h"
#include "platform/linux/process_linux.h"
#include "platform/linux/registry_linux.h"
#include "platform/linux/security_linux.h"
#include "platform/linux/wine_version_resources.h"
#include "platform/linux/wmi/linux_classes.h"
#include "platform/linux/wmi/wql_engine.h"
#include "platform/linux/xml_reader_linux.h"
#include "platform/platform.h"
#include "platform/x86_cpu.h"

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
  linux_backend::wmi::WqlEngine wmi_{linux_backend::wmi::MakeLinuxClasses("/")};
  CpuidCpu cpu_;
  linux_backend::ProcMemory memory_;
  linux_backend::LinuxSecurity security_;
  linux_backend::XrandrDisplay display_;
  linux_backend::EglOpenGL opengl_;
  linux_backend::DlopenOpenCL opencl_;
  linux_backend::LocalTimeClock clock_;
  linux_backend::LinuxOutputFiles outputs_;
  Platform bundle_{xml_,    process_,  console_, registry_, files_,  versions_, wmi_,   cpu_,
                   memory_, security_, display_, opengl_,   opencl_, clock_,    outputs_};
};

}  // namespace

std::unique_ptr<HostPlatform> CreateHostPlatform() { return std::make_unique<LinuxHostPlatform>(); }

}  // namespace platform

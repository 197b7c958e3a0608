// Fuzzes the configuration reader end to end: the bytes become config.xml
// beside a pretend executable, and the real libxml2 reader and the walk read
// it into a fresh model.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fakes/temp_dir.h"
#include "fakes/fake_platform.h"
#include "model/config_reader.h"
#include "base/utf.h"
#include "platform/linux/xml_reader_linux.h"

namespace {

struct Workspace {
  Workspace() {
    process.executablePath = text::FromUtf8((dir / "VeloInspect").string());
  }
  fakes::TempDir scratch{"veloinspect-fuzz"};
  const std::filesystem::path& dir = scratch.Path();
  fakes::FakeProcess process;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Workspace workspace;
  {
    std::ofstream file(workspace.dir / "config.xml", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  platform::linux_backend::LibXmlFactory factory;
  fakes::RecordingConsole console;
  CSysInfo info;
  const bool ok = ReadConfig(factory, workspace.process, console, info);
  // A document that opens always reads to its end or its first fault.
  if (!ok) std::abort();
  for (const auto& module : info.addInItems) {
    if (module->name != L"MODULE") std::abort();
  }
  return 0;
}

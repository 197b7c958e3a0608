// In-process benchmarks of the collection: every item of the delivered
// config.xml on its own and all of them together, over the real backends of
// this machine; then discovery and the add-in survey over generated Wine
// prefixes of the sizes real and hostile installations reach.
//
//   build-release/bench/collection_bench [--benchmark_filter=REGEX] ...
//
// Items are named by their element and first display text, "Item/CPU/Processor".
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/utf.h"
#include "fakes/temp_dir.h"
#include "model/config_reader.h"
#include "model/notifier.h"
#include "platform/linux/file_system_linux.h"
#include "platform/linux/registry_linux.h"
#include "platform/linux/wine_paths.h"
#include "platform/linux/wine_version_resources.h"
#include "platform/platform.h"
#include "product/addin_survey.h"
#include "product/installed_versions.h"
#include "sysinfo/collect_system_info.h"
#include "sysinfo/os_probes.h"

namespace {

namespace fs = std::filesystem;

// Keeps what a collection reports, as the window keeps it, but shows nothing.
class QuietSink final : public CollectionSink {
 public:
  void ShowProgress(std::wstring) override {}
  void ResetStatus(std::wstring) override {}
  void FinishStatus(std::wstring) override {}
  void AddResult(std::wstring display, std::wstring value, InfoCategory category) override {
    model.AddResult(std::move(display), std::move(value), category);
  }
  void Notify(const std::wstring&) override {}
  CSysInfo model;
};

class QuietConsole final : public platform::Console {
 public:
  void Print(const std::wstring&) override {}
};

// The delivered config.xml, read as the program reads it: beside the
// executable.
struct Delivered {
  std::unique_ptr<platform::HostPlatform> host = platform::CreateHostPlatform();
  QuietConsole console;
  CSysInfo model;
  Delivered() {
    platform::Platform& p = host->Get();
    if (!ReadConfig(p.xml, p.process, console, model)) {
      throw std::runtime_error("config.xml beside the benchmark could not be read");
    }
  }
};

Delivered& Machine() {
  static Delivered delivered;
  return delivered;
}

bool IsGraphicsRuntime(const std::wstring& name) { return name == L"OPENGL" || name == L"OPENCL"; }

// One collection over a model that holds the chosen items only.
void Collect(benchmark::State& state, const std::vector<const Hardware*>& hardware,
             const std::vector<const OperatingSystem*>& os) {
  Delivered& machine = Machine();
  for (auto _ : state) {
    CSysInfo model;
    for (const Hardware* item : hardware) model.hardwareItems.push_back(std::make_unique<Hardware>(*item));
    for (const OperatingSystem* item : os) model.osItems.push_back(std::make_unique<OperatingSystem>(*item));
    QuietSink sink;
    std::wstring extensions;
    SystemInfoContext context{sink, model, machine.host->Get(), 0, extensions};
    CollectSystemInfo(context);
    benchmark::DoNotOptimize(sink.model.results.size());
  }
}

std::string ItemName(const std::wstring& element, const InfoEntryList& entries) {
  const std::wstring first = entries.empty() ? std::wstring(L"(probe)") : entries.front().display;
  return "Item/" + text::ToUtf8(element) + "/" + text::ToUtf8(first);
}

void RegisterDeliveredItems() {
  const CSysInfo& model = Machine().model;
  std::vector<const Hardware*> allHardware;
  std::vector<const Hardware*> hardwareWithoutGraphics;
  std::vector<const OperatingSystem*> allOs;
  for (const auto& item : model.hardwareItems) {
    allHardware.push_back(item.get());
    if (!IsGraphicsRuntime(item->name)) hardwareWithoutGraphics.push_back(item.get());
    benchmark::RegisterBenchmark(ItemName(item->name, item->entries).c_str(), Collect,
                                 std::vector<const Hardware*>{item.get()}, std::vector<const OperatingSystem*>{})
        ->Unit(benchmark::kMillisecond);
  }
  for (const auto& item : model.osItems) {
    allOs.push_back(item.get());
    benchmark::RegisterBenchmark(ItemName(item->name, item->entries).c_str(), Collect,
                                 std::vector<const Hardware*>{}, std::vector<const OperatingSystem*>{item.get()})
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("Total/WithoutOpenGLAndOpenCL", Collect, hardwareWithoutGraphics, allOs)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Total/All", Collect, allHardware, allOs)->Unit(benchmark::kMillisecond);
}

// ---- Generated installations ----

// A prefix whose system.reg holds `subkeys` Uninstall entries of other
// programs (every hundredth a runtime) and `fillerMb` megabytes of other
// keys, as a long-used machine's registry holds; one Velotrace version.
struct GeneratedPrefix {
  fakes::TempDir dir{"veloinspect-bench"};

  GeneratedPrefix(std::size_t subkeys, std::size_t fillerMb, std::size_t chooksFiles) {
    const fs::path& prefix = dir.Path();
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(prefix / "drive_c/Velo/chooks");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    std::ofstream system(prefix / "system.reg", std::ios::binary);
    system << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n";
    const std::string uninstall = "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\";
    system << "\n[Software\\\\BRENNICK, INC.] 1765000000\n\"LastInstalledVersion\"=\"velotrace 2024\"\n";
    system << "\n[" << uninstall << "{VELO}] 1765000000\n\"DisplayName\"=\"Velotrace 2024\"\n";
    for (std::size_t i = 0; i < subkeys; ++i) {
      const bool runtime = i % 100 == 0;
      system << "\n[" << uninstall << "{" << i << "}] 1765000000\n\"DisplayName\"=\""
             << (runtime ? "Microsoft Visual C++ 2019 Redistributable (x64) - 14.29" : "Some Program ")
             << i << "\"\n\"DisplayVersion\"=\"1.0." << i << "\"\n\"Publisher\"=\"Someone\"\n";
    }
    const std::string filler(200, 'x');
    for (std::size_t written = 0, i = 0; written < fillerMb * 1024 * 1024; ++i) {
      std::string key = "\n[Software\\\\Classes\\\\Filler" + std::to_string(i) + "] 1765000000\n\"Data\"=\"" +
                        filler + "\"\n\"Count\"=dword:00000001\n";
      written += key.size();
      system << key;
    }
    std::ofstream user(prefix / "user.reg", std::ios::binary);
    user << "WINE REGISTRY Version 2\n\n[Software\\\\BRENNICK, INC.\\\\velotrace 2024] 1765000000\n"
            "\"Directory\"=\"C:\\\\Velo\"\n";
    for (std::size_t i = 0; i < chooksFiles; ++i) {
      std::ofstream(prefix / "drive_c/Velo/chooks" / ("hook" + std::to_string(i) + ".dll"), std::ios::binary)
          << "MZ";
    }
  }
};

class QuietNotifier final : public Notifier {
 public:
  void Notify(const std::wstring&) override {}
};

// Start-up's reading of the registry: the versions, then the runtime lists
// of the collection, each from a registry opened afresh as the program does.
void BM_DiscoveryOverUninstallKeys(benchmark::State& state) {
  const GeneratedPrefix prefix(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)), 0);
  for (auto _ : state) {
    platform::linux_backend::WineRegistry registry(prefix.dir.Path());
    QuietNotifier notifier;
    const InstalledVersions found = ReadInstalledVersions(registry, notifier);
    benchmark::DoNotOptimize(found.versions.size());
    benchmark::DoNotOptimize(ListVCRedistributables(registry).size());
    benchmark::DoNotOptimize(ListDotNetFrameworks(registry).size());
  }
  state.counters["system.reg MB"] = static_cast<double>(fs::file_size(prefix.dir.Path() / "system.reg")) / 1048576.0;
}
BENCHMARK(BM_DiscoveryOverUninstallKeys)
    ->ArgNames({"subkeys", "fillerMB"})
    ->Args({1000, 0})
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({1000, 20})
    ->Args({1000, 200})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_AddInSurvey(benchmark::State& state) {
  const GeneratedPrefix prefix(0, 0, static_cast<std::size_t>(state.range(0)));
  platform::linux_backend::WineFileSystem files{platform::linux_backend::WinePathMapper(prefix.dir.Path())};
  platform::linux_backend::WineVersionResources resources(prefix.dir.Path());
  CVeloVersion version;
  version.directory = L"C:\\Velo\\";
  for (auto _ : state) {
    benchmark::DoNotOptimize(SurveyAddIns(files, resources, &version).size());
  }
}
BENCHMARK(BM_AddInSurvey)->ArgNames({"files"})->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterDeliveredItems();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// In-memory stand-ins for the platform interfaces.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_machine.h"
#include "fakes/fake_output_files.h"
#include "fakes/fake_system.h"
#include "platform/platform.h"

namespace fakes {

class FakeProcess final : public platform::Process {
 public:
  std::wstring executablePath = L"/opt/veloinspect/VeloInspect";
  wchar_t separator = L'/';
  platform::HResult apartmentResult = platform::kOk;
  int initializeCalls = 0;
  int uninitializeCalls = 0;

  std::wstring ExecutablePath() override { return executablePath; }
  wchar_t PathSeparator() const override { return separator; }
  platform::HResult InitializeApartment() override {
    ++initializeCalls;
    return apartmentResult;
  }
  void UninitializeApartment() override { ++uninitializeCalls; }
};

class RecordingConsole final : public platform::Console {
 public:
  std::wstring printed;
  void Print(const std::wstring& text) override { printed += text; }
};

// One node of a scripted document, with the failures a test wants the
// reader to report for it.
struct ScriptedNode {
  platform::XmlNodeType type = platform::XmlNodeType::None;
  std::wstring name;
  std::wstring value;
  std::vector<std::pair<std::wstring, std::wstring>> attributes;
  platform::HResult nameResult = platform::kOk;
  platform::HResult prefixResult = platform::kOk;
  platform::HResult valueResult = platform::kOk;
  platform::HResult attributeResult = platform::kOk;
};

class ScriptedXmlReader final : public platform::XmlReader {
 public:
  explicit ScriptedXmlReader(std::vector<ScriptedNode> nodes) : nodes_(std::move(nodes)) {}

  platform::HResult prohibitResult = platform::kOk;
  platform::HResult inputResult = platform::kOk;
  // Read's result after the last node.
  platform::HResult endResult = platform::kFalse;

  platform::HResult ProhibitDtd() override { return prohibitResult; }
  platform::HResult SetInput(platform::XmlStream&) override { return inputResult; }
  platform::HResult Read(platform::XmlNodeType& type) override {
    attribute_ = -1;
    if (++current_ >= static_cast<int>(nodes_.size())) return endResult;
    type = Node().type;
    return platform::kOk;
  }
  platform::HResult GetLocalName(std::wstring& name) override {
    if (attribute_ >= 0) {
      if (Node().attributeResult != platform::kOk) return Node().attributeResult;
      name = Node().attributes[static_cast<std::size_t>(attribute_)].first;
      return platform::kOk;
    }
    name = Node().name;
    return Node().nameResult;
  }
  platform::HResult GetPrefix(std::wstring& prefix) override {
    prefix.clear();
    return Node().prefixResult;
  }
  platform::HResult GetValue(std::wstring& value) override {
    if (attribute_ >= 0) {
      if (Node().attributeResult != platform::kOk) return Node().attributeResult;
      value = Node().attributes[static_cast<std::size_t>(attribute_)].second;
      return platform::kOk;
    }
    value = Node().value;
    return Node().valueResult;
  }
  platform::HResult MoveToFirstAttribute() override {
    if (Node().attributes.empty()) return platform::kFalse;
    attribute_ = 0;
    return platform::kOk;
  }
  platform::HResult MoveToNextAttribute() override {
    if (attribute_ + 1 >= static_cast<int>(Node().attributes.size())) return platform::kFalse;
    ++attribute_;
    return platform::kOk;
  }
  bool IsDefault() override { return false; }

 private:
  const ScriptedNode& Node() const { return nodes_[static_cast<std::size_t>(current_)]; }

  std::vector<ScriptedNode> nodes_;
  int current_ = -1;
  int attribute_ = -1;
};

class ScriptedXmlFactory final : public platform::XmlFactory {
 public:
  platform::HResult openResult = platform::kOk;
  platform::HResult createResult = platform::kOk;
  std::wstring openedPath;
  // Makes the reader each CreateReader call hands out.
  std::function<std::unique_ptr<ScriptedXmlReader>()> makeReader = [] {
    return std::make_unique<ScriptedXmlReader>(std::vector<ScriptedNode>{});
  };

  platform::HResult OpenReadStream(const std::wstring& path, std::unique_ptr<platform::XmlStream>& stream) override {
    openedPath = path;
    if (openResult != platform::kOk) return openResult;
    stream = std::make_unique<platform::XmlStream>();
    return platform::kOk;
  }
  platform::HResult CreateReader(std::unique_ptr<platform::XmlReader>& reader) override {
    if (createResult != platform::kOk) return createResult;
    reader = makeReader();
    return platform::kOk;
  }
};

// Every interface of the bundle, faked.
struct FakePlatform {
  ScriptedXmlFactory xml;
  FakeProcess process;
  RecordingConsole console;
  FakeRegistry registry;
  FakeFileSystem files;
  FakeVersionResources versions;
  FakeWmi wmi;
  FakeCpu cpu;
  FakeMemory memory;
  FakeSecurity security;
  FakeDisplay display;
  FakeOpenGL opengl;
  FakeOpenCL opencl;
  FixedClock clock{platform::LocalDate{2026, 12, 10}};
  MemoryOutputFiles outputs;
  platform::Platform host{xml,    process,  console, registry, files,  versions, wmi,    cpu,
                          memory, security, display, opengl,   opencl, clock,    outputs};
};

}  // namespace fakes

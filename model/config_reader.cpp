#include "model/config_reader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "base/text.h"

namespace {

using platform::HResult;
using platform::XmlNodeType;
using platform::XmlReader;

constexpr std::array<std::wstring_view, 10> kHardwareNames = {
    L"PC", L"CPU", L"MEMORY", L"VOLUME", L"DISK", L"VIDEO", L"VIDEOACCEL", L"OPENCL", L"OPENGL", L"MONITOR"};
constexpr std::array<std::wstring_view, 5> kOperatingSystemNames = {
    L"OS", L"VCREDIST", L"DOTNET", L"SIXTYFOURBITCHECK", L"ADMINCHECK"};
constexpr std::array<std::wstring_view, 4> kProductNames = {L"VERSION", L"CONFIG", L"CHOOKS", L"FT"};
constexpr std::wstring_view kModuleName = L"MODULE";
constexpr std::wstring_view kItemName = L"Item";

template <std::size_t N>
bool IsOneOf(const std::array<std::wstring_view, N>& names, const std::wstring& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::wstring ErrorText(std::wstring_view what, HResult hr) {
  return std::wstring(what) + L", error is " + text::Hex8(static_cast<std::uint32_t>(hr));
}

// One walk over one document. The pending records belong to the walk until
// their end tag hands them to the model; whatever is still pending when the
// walk ends is discarded with it.
class ConfigWalk {
 public:
  ConfigWalk(XmlReader& reader, platform::Console& console, CSysInfo& info)
      : reader_(reader), console_(console), info_(info) {}

  bool Run() {
    XmlNodeType type = XmlNodeType::None;
    while (reader_.Read(type) == platform::kOk) {
      if (!HandleNode(type)) return false;
    }
    return true;
  }

 private:
  bool HandleNode(XmlNodeType type) {
    std::wstring value;
    switch (type) {
      case XmlNodeType::Element:
        if (!Get(&XmlReader::GetLocalName, currentName_, L"Error getting local name")) return false;
        return StartTag();
      case XmlNodeType::Text:
        if (!Get(&XmlReader::GetValue, value, L"Error getting value")) return false;
        // Text after a module's end tag has no record to go to and is dropped.
        if (currentName_ == kModuleName && pendingModule_) {
          pendingModule_->entries.push_back(InfoEntry{std::move(value), std::wstring()});
        }
        return true;
      case XmlNodeType::CData:
        if (!Get(&XmlReader::GetValue, value, L"Error getting value")) return false;
        console_.Print(L"CDATA: " + value + L"\n");
        return true;
      case XmlNodeType::ProcessingInstruction: {
        std::wstring name;
        if (!Get(&XmlReader::GetLocalName, name, L"Error getting name")) return false;
        if (!Get(&XmlReader::GetValue, value, L"Error getting value")) return false;
        console_.Print(L"Processing Instruction name:" + name + L" value:" + value + L"\n");
        return true;
      }
      case XmlNodeType::Comment:
        if (!Get(&XmlReader::GetValue, value, L"Error getting value")) return false;
        console_.Print(L"Comment: " + value + L"\n");
        return true;
      case XmlNodeType::DocumentType:
        console_.Print(L"DOCTYPE is not printed\n");
        return true;
      case XmlNodeType::Whitespace:
        return Get(&XmlReader::GetValue, value, L"Error getting value");
      case XmlNodeType::EndElement: {
        std::wstring prefix;
        if (!Get(&XmlReader::GetPrefix, prefix, L"Error getting prefix")) return false;
        if (!Get(&XmlReader::GetLocalName, currentName_, L"Error getting local name")) return false;
        EndTag();
        return true;
      }
      default:
        return true;
    }
  }

  bool Get(HResult (XmlReader::*getter)(std::wstring&), std::wstring& out, std::wstring_view what) {
    const HResult hr = (reader_.*getter)(out);
    if (!platform::Succeeded(hr)) {
      console_.Print(ErrorText(what, hr));
      return false;
    }
    return true;
  }

  bool StartTag() {
    if (IsOneOf(kHardwareNames, currentName_)) {
      pendingHardware_ = std::make_unique<Hardware>();
      pendingHardware_->name = currentName_;
      return ReadFirstAttribute(pendingHardware_->query);
    }
    if (IsOneOf(kOperatingSystemNames, currentName_)) {
      pendingOs_ = std::make_unique<OperatingSystem>();
      pendingOs_->name = currentName_;
      return ReadFirstAttribute(pendingOs_->query);
    }
    if (IsOneOf(kProductNames, currentName_)) {
      pendingProduct_ = std::make_unique<VelotraceSettings>();
      pendingProduct_->name = currentName_;
      return true;
    }
    if (currentName_ == kModuleName) {
      pendingModule_ = std::make_unique<VTfSWSettings>();
      pendingModule_->name = std::wstring(kModuleName);
      return true;
    }
    if (currentName_ == kItemName) {
      if (pendingHardware_) {
        ReadItem(pendingHardware_->entries);
      } else if (pendingOs_) {
        ReadItem(pendingOs_->entries);
      }
    }
    return true;
  }

  // The statement is the first attribute, by position, whatever its name.
  bool ReadFirstAttribute(std::wstring& query) {
    if (reader_.MoveToFirstAttribute() != platform::kOk) return true;
    std::wstring name;
    if (!Get(&XmlReader::GetLocalName, name, L"Error getting local name")) return false;
    return Get(&XmlReader::GetValue, query, L"Error getting value");
  }

  // An item's own failures add nothing and are not reported: the walk goes on.
  void ReadItem(InfoEntryList& entries) {
    InfoEntry entry;
    if (reader_.MoveToFirstAttribute() != platform::kOk) return;
    do {
      if (reader_.IsDefault()) continue;
      std::wstring name;
      std::wstring value;
      if (!platform::Succeeded(reader_.GetLocalName(name))) return;
      if (!platform::Succeeded(reader_.GetValue(value))) return;
      if (name == L"Display") {
        entry.display = std::move(value);
      } else if (name == L"Value") {
        entry.value = std::move(value);
      }
    } while (reader_.MoveToNextAttribute() == platform::kOk);
    entries.push_back(std::move(entry));
  }

  // Only end tags hand records to the model. An end tag with nothing pending
  // (the inner element of two nested ones of a group took the record) is
  // ignored rather than appending an empty record.
  void EndTag() {
    if (IsOneOf(kHardwareNames, currentName_)) {
      if (pendingHardware_) info_.hardwareItems.push_back(std::move(pendingHardware_));
    } else if (IsOneOf(kOperatingSystemNames, currentName_)) {
      if (pendingOs_) info_.osItems.push_back(std::move(pendingOs_));
    } else if (IsOneOf(kProductNames, currentName_)) {
      if (pendingProduct_) info_.productItems.push_back(std::move(pendingProduct_));
    } else if (currentName_ == kModuleName) {
      if (pendingModule_) info_.addInItems.push_back(std::move(pendingModule_));
    }
  }

  XmlReader& reader_;
  platform::Console& console_;
  CSysInfo& info_;
  std::wstring currentName_;
  std::unique_ptr<Hardware> pendingHardware_;
  std::unique_ptr<OperatingSystem> pendingOs_;
  std::unique_ptr<VelotraceSettings> pendingProduct_;
  std::unique_ptr<VTfSWSettings> pendingModule_;
};

}  // namespace

std::wstring ConfigFilePath(platform::Process& process) {
  const std::wstring exe = process.ExecutablePath();
  const wchar_t separator = process.PathSeparator();
  const std::size_t last = exe.rfind(separator);
  const std::wstring directory = last == std::wstring::npos ? std::wstring() : exe.substr(0, last);
  return directory + separator + L"config.xml";
}

bool ReadConfig(platform::XmlFactory& xml, platform::Process& process, platform::Console& console, CSysInfo& info) {
  const std::wstring path = ConfigFilePath(process);

  std::unique_ptr<platform::XmlStream> stream;
  if (!platform::Succeeded(xml.OpenReadStream(path, stream)) || !stream) return false;

  std::unique_ptr<XmlReader> reader;
  HResult hr = xml.CreateReader(reader);
  if (!platform::Succeeded(hr) || !reader) {
    console.Print(ErrorText(L"Error creating xml reader", platform::Succeeded(hr) ? platform::kFail : hr));
    return false;
  }
  hr = reader->ProhibitDtd();
  if (!platform::Succeeded(hr)) {
    console.Print(ErrorText(L"Error setting XmlReaderProperty_DtdProcessing", hr));
    return false;
  }
  hr = reader->SetInput(*stream);
  if (!platform::Succeeded(hr)) {
    console.Print(ErrorText(L"Error setting input for reader", hr));
    return false;
  }
  // The reader goes before the stream it reads from.
  const bool ok = ConfigWalk(*reader, console, info).Run();
  reader.reset();
  return ok;
}

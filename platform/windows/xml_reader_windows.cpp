#include "platform/windows/xml_reader_windows.h"

#include <windows.h>
#include <shlwapi.h>
#include <xmllite.h>

#include "platform/windows/com_ptr.h"

namespace platform::windows_backend {

namespace {

class FileStream final : public XmlStream {
 public:
  ComPtr<IStream> stream;
};

// Texts of the reader's current node, copied out by their length.
template <typename Getter>
HResult CopyText(Getter getter, std::wstring& out) {
  const WCHAR* text = nullptr;
  UINT length = 0;
  const HRESULT hr = getter(&text, &length);
  if (FAILED(hr)) return hr;
  out.assign(text ? text : L"", text ? length : 0);
  return hr;
}

class XmlLiteReader final : public XmlReader {
 public:
  IXmlReader** Put() { return reader_.Put(); }

  HResult ProhibitDtd() override {
    return reader_->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
  }
  HResult SetInput(XmlStream& stream) override {
    auto* file = dynamic_cast<FileStream*>(&stream);
    if (!file || !file->stream) return E_INVALIDARG;
    return reader_->SetInput(file->stream.Get());
  }
  HResult Read(XmlNodeType& type) override {
    ::XmlNodeType node = ::XmlNodeType_None;
    const HRESULT hr = reader_->Read(&node);
    type = hr == S_OK ? Map(node) : platform::XmlNodeType::None;
    return hr;
  }
  HResult GetLocalName(std::wstring& name) override {
    return CopyText([this](const WCHAR** t, UINT* n) { return reader_->GetLocalName(t, n); }, name);
  }
  HResult GetPrefix(std::wstring& prefix) override {
    return CopyText([this](const WCHAR** t, UINT* n) { return reader_->GetPrefix(t, n); }, prefix);
  }
  HResult GetValue(std::wstring& value) override {
    return CopyText([this](const WCHAR** t, UINT* n) { return reader_->GetValue(t, n); }, value);
  }
  HResult MoveToFirstAttribute() override { return reader_->MoveToFirstAttribute(); }
  HResult MoveToNextAttribute() override { return reader_->MoveToNextAttribute(); }
  bool IsDefault() override { return reader_->IsDefault() != FALSE; }

 private:
  static platform::XmlNodeType Map(::XmlNodeType node) {
    switch (node) {
      case XmlNodeType_Element: return platform::XmlNodeType::Element;
      case XmlNodeType_Attribute: return platform::XmlNodeType::Attribute;
      case XmlNodeType_Text: return platform::XmlNodeType::Text;
      case XmlNodeType_CDATA: return platform::XmlNodeType::CData;
      case XmlNodeType_ProcessingInstruction: return platform::XmlNodeType::ProcessingInstruction;
      case XmlNodeType_Comment: return platform::XmlNodeType::Comment;
      case XmlNodeType_DocumentType: return platform::XmlNodeType::DocumentType;
      case XmlNodeType_Whitespace: return platform::XmlNodeType::Whitespace;
      case XmlNodeType_EndElement: return platform::XmlNodeType::EndElement;
      case XmlNodeType_XmlDeclaration: return platform::XmlNodeType::XmlDeclaration;
      default: return platform::XmlNodeType::None;
    }
  }

  ComPtr<IXmlReader> reader_;
};

}  // namespace

HResult XmlLiteFactory::OpenReadStream(const std::wstring& path, std::unique_ptr<XmlStream>& stream) {
  stream.reset();
  auto file = std::make_unique<FileStream>();
  const HRESULT hr = SHCreateStreamOnFileEx(path.c_str(), STGM_READ, FILE_ATTRIBUTE_NORMAL, FALSE, nullptr,
                                            file->stream.Put());
  if (FAILED(hr)) return hr;
  stream = std::move(file);
  return hr;
}

HResult XmlLiteFactory::CreateReader(std::unique_ptr<XmlReader>& reader) {
  reader.reset();
  auto created = std::make_unique<XmlLiteReader>();
  const HRESULT hr = CreateXmlReader(__uuidof(IXmlReader), reinterpret_cast<void**>(created->Put()), nullptr);
  if (FAILED(hr)) return hr;
  reader = std::move(created);
  return hr;
}

}  // namespace platform::windows_backend

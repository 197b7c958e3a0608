#include "platform/linux/xml_reader_linux.h"

#include <fcntl.h>
#include <libxml/parser.h>
#include <libxml/xmlreader.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/linux/file_descriptor.h"
#include "base/utf.h"

namespace platform::linux_backend {

namespace {

// A configuration file is a few kilobytes; anything near this size is not
// one, and reading it would only cost memory.
constexpr off_t kMaxDocumentBytes = 64 * 1024 * 1024;

class FileStream final : public XmlStream {
 public:
  explicit FileStream(std::string bytes) : bytes_(std::move(bytes)) {}

  // Hands out the document one byte per call. libxml2's reader parses what
  // it is given eagerly, and at a fault it drops every node of the piece it
  // was parsing; fed byte by byte it has delivered every node before the
  // fault, as a pull reader should.
  static int ReadCallback(void* context, char* buffer, int length) {
    auto* self = static_cast<FileStream*>(context);
    if (length <= 0 || self->position_ >= self->bytes_.size()) return 0;
    buffer[0] = self->bytes_[self->position_++];
    return 1;
  }

  void Rewind() { position_ = 0; }

 private:
  std::string bytes_;
  std::size_t position_ = 0;
};

int CloseNothing(void*) { return 0; }

void IgnoreStructuredError(void*, const xmlError*) {}
void IgnoreReaderError(void*, const char*, xmlParserSeverities, xmlTextReaderLocatorPtr) {}

struct TextReaderDeleter {
  void operator()(xmlTextReaderPtr reader) const { xmlFreeTextReader(reader); }
};

std::wstring FromXml(const xmlChar* text) {
  return text ? text::FromUtf8(reinterpret_cast<const char*>(text)) : std::wstring();
}

class LibXmlReader final : public XmlReader {
 public:
  HResult ProhibitDtd() override {
    prohibitDtd_ = true;
    return kOk;
  }

  HResult SetInput(XmlStream& stream) override {
    auto* file = dynamic_cast<FileStream*>(&stream);
    if (!file) return kInvalidArgument;
    file->Rewind();
    // No network, and no external subset or entity is ever loaded.
    reader_.reset(xmlReaderForIO(&FileStream::ReadCallback, &CloseNothing, file, "config.xml", nullptr,
                                 XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR));
    if (!reader_) return kOutOfMemory;
    // Faults end the walk through Read's result; libxml2 must not print them.
    xmlTextReaderSetErrorHandler(reader_.get(), &IgnoreReaderError, nullptr);
    xmlTextReaderSetStructuredErrorHandler(reader_.get(), reinterpret_cast<xmlStructuredErrorFunc>(&IgnoreStructuredError), nullptr);
    failure_ = kOk;
    return kOk;
  }

  HResult Read(XmlNodeType& type) override {
    type = XmlNodeType::None;
    if (!reader_) return kFail;
    if (failure_ != kOk) return failure_;
    const int status = xmlTextReaderRead(reader_.get());
    if (status == 0) return kFalse;
    if (status < 0) return failure_ = kXmlMalformed;
    type = MapNodeType(xmlTextReaderNodeType(reader_.get()));
    if (type == XmlNodeType::DocumentType && prohibitDtd_) {
      type = XmlNodeType::None;
      return failure_ = kXmlDtdProhibited;
    }
    return kOk;
  }

  HResult GetLocalName(std::wstring& name) override {
    if (!reader_) return kFail;
    const xmlChar* text = xmlTextReaderConstLocalName(reader_.get());
    if (!text) return kFail;
    name = FromXml(text);
    return kOk;
  }

  HResult GetPrefix(std::wstring& prefix) override {
    if (!reader_) return kFail;
    prefix = FromXml(xmlTextReaderConstPrefix(reader_.get()));
    return kOk;
  }

  HResult GetValue(std::wstring& value) override {
    if (!reader_) return kFail;
    value = FromXml(xmlTextReaderConstValue(reader_.get()));
    return kOk;
  }

  HResult MoveToFirstAttribute() override { return Move(xmlTextReaderMoveToFirstAttribute); }
  HResult MoveToNextAttribute() override { return Move(xmlTextReaderMoveToNextAttribute); }

  bool IsDefault() override { return reader_ && xmlTextReaderIsDefault(reader_.get()) == 1; }

 private:
  HResult Move(int (*move)(xmlTextReaderPtr)) {
    if (!reader_) return kFail;
    const int status = move(reader_.get());
    if (status == 1) return kOk;
    return status == 0 ? kFalse : kFail;
  }

  static XmlNodeType MapNodeType(int type) {
    switch (type) {
      case XML_READER_TYPE_ELEMENT: return XmlNodeType::Element;
      case XML_READER_TYPE_ATTRIBUTE: return XmlNodeType::Attribute;
      case XML_READER_TYPE_TEXT: return XmlNodeType::Text;
      case XML_READER_TYPE_CDATA: return XmlNodeType::CData;
      case XML_READER_TYPE_PROCESSING_INSTRUCTION: return XmlNodeType::ProcessingInstruction;
      case XML_READER_TYPE_COMMENT: return XmlNodeType::Comment;
      case XML_READER_TYPE_DOCUMENT_TYPE: return XmlNodeType::DocumentType;
      case XML_READER_TYPE_WHITESPACE:
      case XML_READER_TYPE_SIGNIFICANT_WHITESPACE: return XmlNodeType::Whitespace;
      case XML_READER_TYPE_END_ELEMENT: return XmlNodeType::EndElement;
      case XML_READER_TYPE_XML_DECLARATION: return XmlNodeType::XmlDeclaration;
      default: return XmlNodeType::None;
    }
  }

  std::unique_ptr<xmlTextReader, TextReaderDeleter> reader_;
  bool prohibitDtd_ = false;
  HResult failure_ = kOk;
};

HResult FailureFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return kFileNotFound;
    case EACCES:
    case EPERM: return kAccessDenied;
    default: return kFail;
  }
}

}  // namespace

HResult LibXmlFactory::OpenReadStream(const std::wstring& path, std::unique_ptr<XmlStream>& stream) {
  stream.reset();
  const int fd = ::open(text::ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FailureFromErrno(errno);
  const FileDescriptor guard(fd);

  struct stat info {};
  if (::fstat(fd, &info) != 0) return FailureFromErrno(errno);
  if (!S_ISREG(info.st_mode)) return kAccessDenied;
  if (info.st_size > kMaxDocumentBytes) return kOutOfMemory;

  std::string bytes;
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return FailureFromErrno(errno);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > static_cast<std::size_t>(kMaxDocumentBytes)) return kOutOfMemory;
  }
  stream = std::make_unique<FileStream>(std::move(bytes));
  return kOk;
}

HResult LibXmlFactory::CreateReader(std::unique_ptr<XmlReader>& reader) {
  xmlInitParser();
  reader = std::make_unique<LibXmlReader>();
  return kOk;
}

}  // namespace platform::linux_backend

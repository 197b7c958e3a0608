// A forward-only XML pull reader: one node at a time, attributes reached by
// moving onto them, document type declarations refused on request.
#pragma once

#include <memory>
#include <string>

#include "platform/result.h"

namespace platform {

enum class XmlNodeType {
  None,
  Element,
  Attribute,
  Text,
  CData,
  ProcessingInstruction,
  Comment,
  DocumentType,
  Whitespace,
  EndElement,
  XmlDeclaration,
};

// A read-only stream on one file; what it holds is the backend's business.
class XmlStream {
 public:
  virtual ~XmlStream() = default;
};

class XmlReader {
 public:
  virtual ~XmlReader() = default;
  virtual HResult ProhibitDtd() = 0;
  virtual HResult SetInput(XmlStream& stream) = 0;
  // kOk with the next node; anything else ends the document (kFalse at its
  // end, a failure at a fault).
  virtual HResult Read(XmlNodeType& type) = 0;
  // Element, end tag, attribute and processing instruction names.
  virtual HResult GetLocalName(std::wstring& name) = 0;
  virtual HResult GetPrefix(std::wstring& prefix) = 0;
  virtual HResult GetValue(std::wstring& value) = 0;
  // kOk when now on an attribute, kFalse when there is none (more).
  virtual HResult MoveToFirstAttribute() = 0;
  virtual HResult MoveToNextAttribute() = 0;
  // True for an attribute that was not written but supplied as a default.
  virtual bool IsDefault() = 0;
};

class XmlFactory {
 public:
  virtual ~XmlFactory() = default;
  // Opens an existing file for reading; never creates one.
  virtual HResult OpenReadStream(const std::wstring& path, std::unique_ptr<XmlStream>& stream) = 0;
  virtual HResult CreateReader(std::unique_ptr<XmlReader>& reader) = 0;
};

}  // namespace platform

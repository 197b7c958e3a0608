// The XML pull reader over libxml2's xmlTextReader.
#pragma once

#include "platform/xml_reader.h"

namespace platform::linux_backend {

class LibXmlFactory final : public XmlFactory {
 public:
  HResult OpenReadStream(const std::wstring& path, std::unique_ptr<XmlStream>& stream) override;
  HResult CreateReader(std::unique_ptr<XmlReader>& reader) override;
};

}  // namespace platform::linux_backend

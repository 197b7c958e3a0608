// The XML pull reader over the system's XmlLite, on a read-only file stream.
#pragma once

#include "platform/xml_reader.h"

namespace platform::windows_backend {

class XmlLiteFactory final : public XmlFactory {
 public:
  HResult OpenReadStream(const std::wstring& path, std::unique_ptr<XmlStream>& stream) override;
  HResult CreateReader(std::unique_ptr<XmlReader>& reader) override;
};

}  // namespace platform::windows_backend

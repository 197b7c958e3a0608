// Reads config.xml, the file beside the executable that declares what the
// program inspects, into the declared lists of the information model.
#pragma once

#include <string>

#include "model/sys_info.h"
#include "platform/process.h"
#include "platform/xml_reader.h"

// The directory part of the executable's path followed by "config.xml".
std::wstring ConfigFilePath(platform::Process& process);

// True when the document was read to its end or to its first fault; false
// when the file cannot be opened, the reader cannot be set up, or a node's
// name or value cannot be read. Records completed before a failure stay.
bool ReadConfig(platform::XmlFactory& xml, platform::Process& process, platform::Console& console, CSysInfo& info);

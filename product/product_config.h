// Reports the selected version's directories, the product configuration
// file it starts with, and four settings read from that file.
#pragma once

#include "model/sys_info.h"
#include "platform/file_system.h"
#include "product/velo_version.h"

// The configuration file's full path for a version.
std::wstring ProductConfigFilePath(const CVeloVersion& version);

// An empty list when nothing is selected (`selected` null).
InfoEntryList ReadProductConfigFile(platform::FileSystem& files, const CVeloVersion* selected);

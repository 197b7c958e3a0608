// Lists the libraries in the selected version's add-in folders that do not
// come from the maker, and its function-table files.
#pragma once

#include "model/sys_info.h"
#include "platform/file_system.h"
#include "platform/version_info.h"
#include "product/velo_version.h"
#include "readers/version_resource.h"

enum MakerCheck { NotMaker = 0, Maker = 1, NoVersionInfo = 2 };

MakerCheck CheckMakerFile(platform::VersionResources& resources, const std::wstring& path, VersionResourceInfo& info);

// The selected version's directory with one backslash at its end; empty when
// nothing is selected or the version has no directory to search below.
std::wstring BaseDirectory(const CVeloVersion* selected);

InfoEntryList SurveyAddIns(platform::FileSystem& files, platform::VersionResources& resources,
                           const CVeloVersion* selected);
InfoEntryList ListFunctionTables(platform::FileSystem& files, const CVeloVersion* selected);

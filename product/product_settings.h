// Collects the selected installation's facts that config.xml's product
// elements ask for, and the module versions of the add-in edition.
#pragma once

#include "model/main_window_services.h"
#include "model/sys_info.h"
#include "platform/file_system.h"
#include "platform/version_info.h"
#include "product/velo_version.h"

// Whether a selector text names the SOLIDWORKS add-in edition.
bool IsAddInEdition(const std::wstring& selectedVersionText);

// `selected` is null when the selector has no selection.
void CollectProductSettings(MainWindowServices& window, CSysInfo& model, const CVeloVersion* selected,
                            platform::FileSystem& files, platform::VersionResources& resources);

void CollectModuleVersions(MainWindowServices& window, CSysInfo& model, const CVeloVersion* selected,
                           platform::VersionResources& resources);

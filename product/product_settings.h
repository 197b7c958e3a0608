// Collects the selected installation's facts that config.xml's product
// elements ask for, and the module versions of the add-in edition.
#pragma once

#include "model/notifier.h"
#include "model/sys_info.h"
#include "platform/file_system.h"
#include "platform/version_info.h"
#include "product/velo_version.h"

// `selected` is null when the selector has no selection; `selectedVersionText`
// is the selector's text for it ("None" for no selection), which tells
// whether the add-in edition's modules are collected too.
void CollectProductSettings(CollectionSink& sink, CSysInfo& model, const CVeloVersion* selected,
                            const std::wstring& selectedVersionText, platform::FileSystem& files,
                            platform::VersionResources& resources);

void CollectModuleVersions(CollectionSink& sink, CSysInfo& model, const CVeloVersion* selected,
                           platform::VersionResources& resources);

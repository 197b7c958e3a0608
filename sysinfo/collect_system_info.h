// The collection driver: walks the hardware and operating-system items of
// config.xml once, asks WMI or the built-in probes, shapes the values and
// appends them as results, with the busy row of the status list moving.
#pragma once

#include <cstdint>
#include <string>

#include "model/notifier.h"
#include "model/sys_info.h"
#include "platform/platform.h"

struct SystemInfoContext {
  CollectionSink& sink;
  CSysInfo& model;
  const platform::Platform& host;
  std::uintptr_t nativeWindow;  // the main window, for the OpenGL context
  std::wstring& openGLExtensions;
};

void CollectSystemInfo(SystemInfoContext& context);

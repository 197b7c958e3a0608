// The collection driver: walks the hardware and operating-system items of
// config.xml once, asks WMI or the built-in probes, shapes the values and
// appends them as results, with the busy row of the status list moving.
#pragma once

#include <cstdint>
#include <string>

#include "model/main_window_services.h"
#include "model/sys_info.h"
#include "platform/platform.h"
#include "ui/controls.h"

struct SystemInfoContext {
  MainWindowServices& window;
  CSysInfo& model;
  const platform::Platform& host;
  ui::MessageBoxes& messages;
  std::wstring title;           // of the probes' message boxes
  std::uintptr_t nativeWindow;  // the main window, for the OpenGL context
  std::wstring& openGLExtensions;
};

void CollectSystemInfo(SystemInfoContext& context);

// The main dialog's window as its logic sees it: the controls of template 102
// and the few window operations the handlers need. The Qt and Win32 bindings
// implement it over the real window.
#pragma once

#include <cstdint>
#include <string>

#include "ui/category_entries.h"
#include "ui/controls.h"

namespace app {

// The handlers of the main dialog; the binding forwards user actions to them.
class MainDialogCommands {
 public:
  virtual ~MainDialogCommands() = default;
  virtual bool OnInitDialog() = 0;
  virtual void OnVersionSelected() = 0;
  virtual void OnSysInfo() = 0;
  virtual void OnCreateReport() = 0;
  virtual void OnClose() = 0;
  // True when the command was handled; otherwise the window's default
  // processing applies.
  virtual bool OnSysCommand(unsigned id) = 0;
};

class MainDialogView {
 public:
  virtual ~MainDialogView() = default;
  virtual ui::ComboBox& VersionSelector() = 0;
  virtual ui::ListView& StatusList() = 0;
  virtual ui::Button& CreateReportButton() = 0;
  virtual ui::Button& SysInfoButton() = 0;
  virtual ui::MessageBoxes& Messages() = 0;
  // Adds a command to the window's system menu (or, where the window manager
  // offers programs no way into it, to the place a user looks for it
  // instead); false when the window has no such menu.
  virtual bool AppendSystemMenuCommand(unsigned id, const std::wstring& text) = 0;
  // Makes the tooltip control; false when it cannot be made.
  virtual bool CreateToolTips() = 0;
  virtual void AddToolTip(int controlId, const std::wstring& text) = 0;
  virtual void ShowAboutBox() = 0;
  // Makes the system information dialog over this window with the given
  // extension list and lowered version text, runs it modally and destroys
  // it when it closes. The dialog asks the parent for each category's
  // entries.
  virtual void RunSysInfoDialog(ui::CategorySource& parent, const std::wstring& extensionsText,
                                const std::wstring& versionText) = 0;
  // Ends the modal loop with the given result; the window closes as soon as
  // the handler that called it returns.
  virtual void EndDialog(int result) = 0;
  // The window's native handle, for what needs the window itself (the
  // OpenGL context); 0 where the platform needs none.
  virtual std::uintptr_t NativeHandle() const = 0;
};

}  // namespace app

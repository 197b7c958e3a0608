// The main dialog without a window, for the report command: the same logic
// drives controls held in memory, and what would be a message box goes to
// standard error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_dialog_view.h"

namespace ui::headless {

class MemoryComboBox final : public ComboBox {
 public:
  int GetCurSel() const override { return selected_; }
  void SetCurSel(int index) override { selected_ = index >= 0 && index < GetCount() ? index : -1; }
  int GetCount() const override { return static_cast<int>(items_.size()); }
  std::wstring GetItemText(int index) const override;
  int AddString(const std::wstring& text) override;

 private:
  std::vector<std::wstring> items_;
  int selected_ = -1;
};

// Keeps the rows' texts; the report command reads the last row's status.
class MemoryListView final : public ListView {
 public:
  int GetWindowWidth() const override { return 0; }
  void InsertColumn(int, const std::wstring&, int) override {}
  bool AttachStatusImages() override { return false; }
  int GetItemCount() const override { return static_cast<int>(rows_.size()); }
  void DeleteAllItems() override { rows_.clear(); }
  void InsertItem(int row, const std::wstring& text, int image) override;
  void SetItemText(int row, int column, const std::wstring& text) override;
  void SetItemImage(int, int) override {}
  void RepaintNow(int) override {}
  std::wstring StatusText(int row) const;

 private:
  struct Row {
    std::wstring status;
    std::wstring description;
  };
  std::vector<Row> rows_;
};

class MemoryButton final : public Button {
 public:
  explicit MemoryButton(bool enabled) : enabled_(enabled) {}
  void Enable(bool enabled) override { enabled_ = enabled; }
  bool IsEnabled() const override { return enabled_; }

 private:
  bool enabled_;
};

// Every message is written to standard error at once and counted.
class StderrMessages final : public MessageBoxes {
 public:
  void Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) override;
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

class HeadlessMainDialog final : public app::MainDialogView {
 public:
  // `nativeWindow` is a hidden window for what needs one (the OpenGL context
  // on Windows); 0 where the platform needs none.
  explicit HeadlessMainDialog(std::uintptr_t nativeWindow) : nativeWindow_(nativeWindow) {}

  ComboBox& VersionSelector() override { return versionSelector_; }
  ListView& StatusList() override { return statusList_; }
  Button& CreateReportButton() override { return createReport_; }
  Button& SysInfoButton() override { return sysInfo_; }
  MessageBoxes& Messages() override { return messages_; }
  bool AppendSystemMenuCommand(unsigned, const std::wstring&) override { return false; }
  bool CreateToolTips() override { return false; }
  void AddToolTip(int, const std::wstring&) override {}
  void ShowAboutBox() override {}
  // Stands for the user opening the dialog and closing it again: the dialog
  // shows the hardware category first, and with it the model's driver dates
  // take the form the report prints.
  void RunSysInfoDialog(CategorySource& parent, const std::wstring& extensionsText,
                        const std::wstring& versionText) override;
  void EndDialog(int result) override;
  std::uintptr_t NativeHandle() const override { return nativeWindow_; }

  bool Ended() const { return ended_; }
  const MemoryComboBox& Selector() const { return versionSelector_; }
  const MemoryListView& Status() const { return statusList_; }

 private:
  std::uintptr_t nativeWindow_;
  MemoryComboBox versionSelector_;
  MemoryListView statusList_;
  MemoryButton createReport_{false};
  MemoryButton sysInfo_{true};
  StderrMessages messages_;
  bool ended_ = false;
};

}  // namespace ui::headless

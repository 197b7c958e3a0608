// In-memory controls and a main dialog window that records what the logic
// does to them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/main_dialog_view.h"
#include "ui/controls.h"

namespace fakes {

class FakeComboBox final : public ui::ComboBox {
 public:
  std::vector<std::wstring> items;
  int selected = -1;

  int GetCurSel() const override { return selected; }
  void SetCurSel(int index) override { selected = index; }
  int GetCount() const override { return static_cast<int>(items.size()); }
  std::wstring GetItemText(int index) const override { return items.at(static_cast<std::size_t>(index)); }
  int AddString(const std::wstring& text) override {
    items.push_back(text);
    return static_cast<int>(items.size()) - 1;
  }
};

class FakeListView final : public ui::ListView {
 public:
  struct Row {
    std::wstring status;
    std::wstring description;
    int image = ui::kNoImage;
  };
  struct Column {
    std::wstring heading;
    int width = 0;
  };

  int windowWidth = 565;
  bool imagesAvailable = true;
  bool imagesAttached = false;
  std::vector<Column> columns;
  std::vector<Row> rows;
  int repaints = 0;

  int GetWindowWidth() const override { return windowWidth; }
  void InsertColumn(int index, const std::wstring& heading, int width) override {
    columns.insert(columns.begin() + index, Column{heading, width});
  }
  bool AttachStatusImages() override { return imagesAttached = imagesAvailable; }
  int GetItemCount() const override { return static_cast<int>(rows.size()); }
  void DeleteAllItems() override { rows.clear(); }
  void InsertItem(int row, const std::wstring& text, int image) override {
    rows.insert(rows.begin() + row, Row{text, L"", image});
  }
  void SetItemText(int row, int column, const std::wstring& text) override {
    if (row >= GetItemCount()) return;
    (column == 0 ? rows[static_cast<std::size_t>(row)].status : rows[static_cast<std::size_t>(row)].description) = text;
  }
  void SetItemImage(int row, int image) override {
    if (row < GetItemCount()) rows[static_cast<std::size_t>(row)].image = image;
  }
  void RepaintNow(int) override { ++repaints; }
};

class FakeButton final : public ui::Button {
 public:
  explicit FakeButton(bool initiallyEnabled) : enabled(initiallyEnabled) {}
  bool enabled;
  void Enable(bool e) override { enabled = e; }
  bool IsEnabled() const override { return enabled; }
};

class RecordingMessageBox final : public ui::MessageBoxes {
 public:
  struct Shown {
    std::wstring text;
    std::wstring title;
    ui::MessageIcon icon;
  };
  std::vector<Shown> shown;
  void Show(const std::wstring& text, const std::wstring& title, ui::MessageIcon icon) override {
    shown.push_back(Shown{text, title, icon});
  }
};

class FakeMainDialogView final : public app::MainDialogView {
 public:
  FakeComboBox versionSelector;
  FakeListView statusList;
  FakeButton createReport{false};
  FakeButton sysInfo{true};
  RecordingMessageBox messages;
  std::vector<std::pair<unsigned, std::wstring>> systemMenu;
  bool toolTipsAvailable = true;
  std::vector<std::pair<int, std::wstring>> toolTips;
  int aboutBoxes = 0;
  std::vector<int> endResults;

  ui::ComboBox& VersionSelector() override { return versionSelector; }
  ui::ListView& StatusList() override { return statusList; }
  ui::Button& CreateReportButton() override { return createReport; }
  ui::Button& SysInfoButton() override { return sysInfo; }
  ui::MessageBoxes& Messages() override { return messages; }
  bool AppendSystemMenuCommand(unsigned id, const std::wstring& text) override {
    systemMenu.emplace_back(id, text);
    return true;
  }
  bool CreateToolTips() override { return toolTipsAvailable; }
  void AddToolTip(int controlId, const std::wstring& text) override { toolTips.emplace_back(controlId, text); }
  void ShowAboutBox() override { ++aboutBoxes; }
  void EndDialog(int result) override { endResults.push_back(result); }
  std::uintptr_t NativeHandle() const override { return 0x77; }
};

}  // namespace fakes

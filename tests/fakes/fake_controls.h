// In-memory controls and a main dialog window that records what the logic
// does to them.
#pragma once

#include <cstdint>
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

class FakeListBox final : public ui::ListBox {
 public:
  struct Item {
    std::wstring text;
    std::intptr_t data = 0;
  };
  std::vector<Item> items;
  int selected = -1;

  int AddString(const std::wstring& text) override {
    items.push_back(Item{text, 0});
    return static_cast<int>(items.size()) - 1;
  }
  void SetItemData(int index, std::intptr_t data) override { items.at(static_cast<std::size_t>(index)).data = data; }
  std::intptr_t GetItemData(int index) const override { return items.at(static_cast<std::size_t>(index)).data; }
  void SetCurSel(int index) override { selected = index < GetCount() ? index : -1; }
  int GetCurSel() const override { return selected; }
  int GetCount() const override { return static_cast<int>(items.size()); }
};

class FakeDetailListView final : public ui::DetailListView {
 public:
  struct Column {
    std::wstring heading;
    int width = 0;
  };
  int windowWidth = 0;
  bool fullRowSelect = false;
  std::vector<Column> columns;
  // Each row's texts by column.
  std::vector<std::vector<std::wstring>> rows;

  int GetWindowWidth() const override { return windowWidth; }
  void SetFullRowSelect() override { fullRowSelect = true; }
  void InsertColumn(int index, const std::wstring& heading, int width) override {
    columns.insert(columns.begin() + index, Column{heading, width});
  }
  int GetItemCount() const override { return static_cast<int>(rows.size()); }
  void DeleteAllItems() override { rows.clear(); }
  void InsertItem(int row, const std::wstring& text) override {
    rows.insert(rows.begin() + row, std::vector<std::wstring>{text});
  }
  void SetItemText(int row, int column, const std::wstring& text) override {
    auto& cells = rows.at(static_cast<std::size_t>(row));
    if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
  }
  std::wstring GetItemText(int row, int column) const override {
    if (row < 0 || row >= GetItemCount() || column < 0) return std::wstring();
    const auto& cells = rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : std::wstring();
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
  struct SysInfoOpening {
    ui::CategorySource* parent;
    std::wstring extensionsText;
    std::wstring versionText;
  };
  std::vector<SysInfoOpening> sysInfoDialogs;
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
  void RunSysInfoDialog(ui::CategorySource& parent, const std::wstring& extensionsText,
                        const std::wstring& versionText) override {
    sysInfoDialogs.push_back(SysInfoOpening{&parent, extensionsText, versionText});
  }
  void EndDialog(int result) override { endResults.push_back(result); }
  std::uintptr_t NativeHandle() const override { return 0x77; }
};

}  // namespace fakes

// The core's control interfaces over real Qt widgets.
#pragma once

#include <QIcon>
#include <QVector>

#include "ui/controls.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace ui::qt {

// The dialogs' controls carry their template ids in this property, so that
// tests and tools find them the way the system finds dialog items.
inline constexpr const char* kControlIdProperty = "controlId";

void SetControlId(QWidget* widget, int id);
QWidget* FindControl(const QWidget* dialog, int id);

class QtComboBox final : public ComboBox {
 public:
  explicit QtComboBox(QComboBox* combo) : combo_(combo) {}
  int GetCurSel() const override;
  void SetCurSel(int index) override;
  int GetCount() const override;
  std::wstring GetItemText(int index) const override;
  int AddString(const std::wstring& text) override;

 private:
  QComboBox* combo_;
};

// A report-style list view over a QTreeWidget without tree decoration.
class QtListView final : public ListView {
 public:
  explicit QtListView(QTreeWidget* tree) : tree_(tree) {}
  int GetWindowWidth() const override;
  void InsertColumn(int index, const std::wstring& heading, int width) override;
  bool AttachStatusImages() override;
  int GetItemCount() const override;
  void DeleteAllItems() override;
  void InsertItem(int row, const std::wstring& text, int image) override;
  void SetItemText(int row, int column, const std::wstring& text) override;
  void SetItemImage(int row, int image) override;
  void RepaintNow(int row) override;

 private:
  QIcon Image(int image) const;

  QTreeWidget* tree_;
  QVector<QIcon> images_;
};

// A list box over a QListWidget. A sorted one keeps its items in the order
// of their texts compared without regard to case, as the system's does.
class QtListBox final : public ListBox {
 public:
  QtListBox(QListWidget* list, bool sorted) : list_(list), sorted_(sorted) {}
  int AddString(const std::wstring& text) override;
  void SetItemData(int index, std::intptr_t data) override;
  std::intptr_t GetItemData(int index) const override;
  void SetCurSel(int index) override;
  int GetCurSel() const override;
  int GetCount() const override;

 private:
  QListWidget* list_;
  bool sorted_;
};

// The detail list: a report-style list view of text over a QTreeWidget
// without tree decoration.
class QtDetailListView final : public DetailListView {
 public:
  explicit QtDetailListView(QTreeWidget* tree) : tree_(tree) {}
  int GetWindowWidth() const override;
  void SetFullRowSelect() override;
  void InsertColumn(int index, const std::wstring& heading, int width) override;
  int GetItemCount() const override;
  void DeleteAllItems() override;
  void InsertItem(int row, const std::wstring& text) override;
  void SetItemText(int row, int column, const std::wstring& text) override;
  std::wstring GetItemText(int row, int column) const override;

 private:
  QTreeWidget* tree_;
};

class QtButton final : public Button {
 public:
  explicit QtButton(QPushButton* button) : button_(button) {}
  void Enable(bool enabled) override;
  bool IsEnabled() const override;

 private:
  QPushButton* button_;
};

class QtMessageBox final : public MessageBoxes {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) override;

 private:
  QWidget* parent_;
};

}  // namespace ui::qt

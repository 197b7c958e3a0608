// The controls of the program's dialogs as the core sees them. Each binding
// (Qt on Linux, Win32 on Windows) implements these over its real controls, and
// tests implement them over plain memory.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

inline constexpr int kNoImage = -1;

class ComboBox {
 public:
  virtual ~ComboBox() = default;
  // The selected item's index, or -1 when nothing is selected.
  virtual int GetCurSel() const = 0;
  virtual void SetCurSel(int index) = 0;
  virtual int GetCount() const = 0;
  virtual std::wstring GetItemText(int index) const = 0;
  virtual int AddString(const std::wstring& text) = 0;
};

// A report-style list view with a small-image list whose images show in
// column 0 only.
class ListView {
 public:
  virtual ~ListView() = default;
  virtual int GetWindowWidth() const = 0;
  virtual void InsertColumn(int index, const std::wstring& heading, int width) = 0;
  // Makes the status image list and attaches it; false when it cannot be
  // made, and the rows then show no images.
  virtual bool AttachStatusImages() = 0;
  virtual int GetItemCount() const = 0;
  virtual void DeleteAllItems() = 0;
  virtual void InsertItem(int row, const std::wstring& text, int image) = 0;
  virtual void SetItemText(int row, int column, const std::wstring& text) = 0;
  virtual void SetItemImage(int row, int image) = 0;
  // Redraws the row and repaints the whole list at once, so that progress
  // shows while the user-interface thread is busy.
  virtual void RepaintNow(int row) = 0;
};

class Button {
 public:
  virtual ~Button() = default;
  virtual void Enable(bool enabled) = 0;
  virtual bool IsEnabled() const = 0;
};

enum class MessageIcon { None, Error };

// Modal message boxes with a single OK button.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) = 0;
};

// A list box of text items, each of which can carry a number. A sorted list
// box places every added item in alphabetical order itself.
class ListBox {
 public:
  virtual ~ListBox() = default;
  // The index the new item got.
  virtual int AddString(const std::wstring& text) = 0;
  virtual void SetItemData(int index, std::intptr_t data) = 0;
  virtual std::intptr_t GetItemData(int index) const = 0;
  virtual void SetCurSel(int index) = 0;
  // The selected item's index, or -1 when nothing is selected.
  virtual int GetCurSel() const = 0;
  virtual int GetCount() const = 0;
};

// A report-style list view of text only, whose rows the user selects.
class DetailListView {
 public:
  virtual ~DetailListView() = default;
  virtual int GetWindowWidth() const = 0;
  // Selecting an item highlights its whole row, not only its first column.
  virtual void SetFullRowSelect() = 0;
  virtual void InsertColumn(int index, const std::wstring& heading, int width) = 0;
  virtual int GetItemCount() const = 0;
  virtual void DeleteAllItems() = 0;
  virtual void InsertItem(int row, const std::wstring& text) = 0;
  virtual void SetItemText(int row, int column, const std::wstring& text) = 0;
  // Empty for a row or column that does not exist.
  virtual std::wstring GetItemText(int row, int column) const = 0;
};

}  // namespace ui

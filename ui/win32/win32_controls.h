// The core's control interfaces over real Win32 controls.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "app/resizer.h"
#include "ui/controls.h"

namespace ui::win32 {

class Win32ComboBox final : public ComboBox {
 public:
  void Attach(HWND combo) { combo_ = combo; }
  int GetCurSel() const override;
  void SetCurSel(int index) override;
  int GetCount() const override;
  std::wstring GetItemText(int index) const override;
  int AddString(const std::wstring& text) override;

 private:
  HWND combo_ = nullptr;
};

class Win32ListView final : public ListView {
 public:
  void Attach(HWND list, HINSTANCE instance) {
    list_ = list;
    instance_ = instance;
  }
  ~Win32ListView() override;
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
  HWND list_ = nullptr;
  HINSTANCE instance_ = nullptr;
  HIMAGELIST images_ = nullptr;
};

class Win32ListBox final : public ListBox {
 public:
  void Attach(HWND list) { list_ = list; }
  int AddString(const std::wstring& text) override;
  void SetItemData(int index, std::intptr_t data) override;
  std::intptr_t GetItemData(int index) const override;
  void SetCurSel(int index) override;
  int GetCurSel() const override;
  int GetCount() const override;

 private:
  HWND list_ = nullptr;
};

class Win32DetailListView final : public DetailListView {
 public:
  void Attach(HWND list) { list_ = list; }
  int GetWindowWidth() const override;
  void SetFullRowSelect() override;
  void InsertColumn(int index, const std::wstring& heading, int width) override;
  int GetItemCount() const override;
  void DeleteAllItems() override;
  void InsertItem(int row, const std::wstring& text) override;
  void SetItemText(int row, int column, const std::wstring& text) override;
  std::wstring GetItemText(int row, int column) const override;

 private:
  HWND list_ = nullptr;
};

class Win32Button final : public Button {
 public:
  void Attach(HWND button) { button_ = button; }
  void Enable(bool enabled) override;
  bool IsEnabled() const override;

 private:
  HWND button_ = nullptr;
};

class Win32MessageBox final : public MessageBoxes {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) override;

 private:
  HWND owner_ = nullptr;
};

// A dialog as the resizer sees it, moving its controls in one deferred batch.
class Win32ResizableWindow final : public app::ResizableWindow {
 public:
  void Attach(HWND dialog) { dialog_ = dialog; }
  app::Rect ClientRect() const override;
  std::optional<app::Rect> ControlRect(std::int32_t id) const override;
  void MoveControls(const std::vector<app::ControlPlacement>& placements) override;

 private:
  HWND dialog_ = nullptr;
};

}  // namespace ui::win32

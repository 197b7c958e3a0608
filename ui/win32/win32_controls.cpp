#include "ui/win32/win32_controls.h"

#include <algorithm>

#include "ui/resource.h"

namespace ui::win32 {

int Win32ComboBox::GetCurSel() const { return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0)); }

void Win32ComboBox::SetCurSel(int index) { SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int Win32ComboBox::GetCount() const { return static_cast<int>(SendMessageW(combo_, CB_GETCOUNT, 0, 0)); }

std::wstring Win32ComboBox::GetItemText(int index) const {
  const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int Win32ComboBox::AddString(const std::wstring& text) {
  return static_cast<int>(SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

Win32ListView::~Win32ListView() {
  if (images_) ImageList_Destroy(images_);
}

int Win32ListView::GetWindowWidth() const {
  RECT r{};
  GetWindowRect(list_, &r);
  return r.right - r.left;
}

void Win32ListView::InsertColumn(int index, const std::wstring& heading, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<LPWSTR>(heading.c_str());
  column.iSubItem = index;
  SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

// The images are added without a mask in the order the rows name them: the
// check mark, the cross, then the twelve frames of the busy animation.
bool Win32ListView::AttachStatusImages() {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR16, 15, 1);
  if (!images) return false;
  const int ids[] = {IDB_STATUS_OK, IDB_STATUS_ERROR};
  auto add = [&](int id) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return;
    ImageList_Add(images, bitmap, nullptr);
    DeleteObject(bitmap);
  };
  for (const int id : ids) add(id);
  for (int id = IDB_BUSY_FIRST; id <= IDB_BUSY_LAST; ++id) add(id);
  if (images_) ImageList_Destroy(images_);
  images_ = images;
  ListView_SetImageList(list_, images_, LVSIL_SMALL);
  return true;
}

int Win32ListView::GetItemCount() const { return ListView_GetItemCount(list_); }

void Win32ListView::DeleteAllItems() { ListView_DeleteAllItems(list_); }

void Win32ListView::InsertItem(int row, const std::wstring& text, int image) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.pszText = const_cast<LPWSTR>(text.c_str());
  item.iImage = image < 0 ? I_IMAGENONE : image;
  SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32ListView::SetItemText(int row, int column, const std::wstring& text) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = const_cast<LPWSTR>(text.c_str());
  SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void Win32ListView::SetItemImage(int row, int image) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = image < 0 ? I_IMAGENONE : image;
  SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32ListView::RepaintNow(int row) {
  ListView_Update(list_, row);
  InvalidateRect(list_, nullptr, TRUE);
  UpdateWindow(list_);
}

int Win32ListBox::AddString(const std::wstring& text) {
  return static_cast<int>(SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void Win32ListBox::SetItemData(int index, std::intptr_t data) {
  SendMessageW(list_, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

std::intptr_t Win32ListBox::GetItemData(int index) const {
  return static_cast<std::intptr_t>(SendMessageW(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void Win32ListBox::SetCurSel(int index) { SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int Win32ListBox::GetCurSel() const { return static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0)); }

int Win32ListBox::GetCount() const { return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)); }

int Win32DetailListView::GetWindowWidth() const {
  RECT r{};
  GetWindowRect(list_, &r);
  return r.right - r.left;
}

void Win32DetailListView::SetFullRowSelect() {
  ListView_SetExtendedListViewStyleEx(list_, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void Win32DetailListView::InsertColumn(int index, const std::wstring& heading, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<LPWSTR>(heading.c_str());
  column.iSubItem = index;
  SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int Win32DetailListView::GetItemCount() const { return ListView_GetItemCount(list_); }

void Win32DetailListView::DeleteAllItems() { ListView_DeleteAllItems(list_); }

void Win32DetailListView::InsertItem(int row, const std::wstring& text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<LPWSTR>(text.c_str());
  SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32DetailListView::SetItemText(int row, int column, const std::wstring& text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = const_cast<LPWSTR>(text.c_str());
  SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// The list view copies at most the buffer's size less one; a text that
// fills the buffer may be longer, so the buffer grows until it does not, up
// to a length no display text comes near.
std::wstring Win32DetailListView::GetItemText(int row, int column) const {
  constexpr std::size_t kLongestText = 1 << 16;
  if (row < 0 || row >= GetItemCount()) return std::wstring();
  std::wstring text(256, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto copied = static_cast<std::size_t>(
        SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (copied + 1 < text.size() || text.size() >= kLongestText) {
      text.resize(std::min(copied, text.size() - 1));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

void Win32Button::Enable(bool enabled) { EnableWindow(button_, enabled ? TRUE : FALSE); }

bool Win32Button::IsEnabled() const { return IsWindowEnabled(button_) != FALSE; }

void Win32MessageBox::Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) {
  MessageBoxW(owner_, text.c_str(), title.c_str(), MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : 0));
}

app::Rect Win32ResizableWindow::ClientRect() const {
  RECT r{};
  GetClientRect(dialog_, &r);
  return app::Rect{r.left, r.top, r.right, r.bottom};
}

std::optional<app::Rect> Win32ResizableWindow::ControlRect(std::int32_t id) const {
  HWND control = GetDlgItem(dialog_, id);
  if (!control) return std::nullopt;
  RECT r{};
  GetWindowRect(control, &r);
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  ScreenToClient(dialog_, &corners[0]);
  ScreenToClient(dialog_, &corners[1]);
  return app::Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void Win32ResizableWindow::MoveControls(const std::vector<app::ControlPlacement>& placements) {
  HDWP batch = BeginDeferWindowPos(0);
  for (const app::ControlPlacement& p : placements) {
    HWND control = GetDlgItem(dialog_, p.controlId);
    if (!control || !batch) continue;
    batch = DeferWindowPos(batch, control, nullptr, p.rect.left, p.rect.top, p.rect.right - p.rect.left,
                           p.rect.bottom - p.rect.top, SWP_NOZORDER);
  }
  if (batch) EndDeferWindowPos(batch);
}

}  // namespace ui::win32

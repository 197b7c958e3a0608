// The system information dialog of the Linux build (template 129): the
// category list and the detail list, resizable through its size grip. It is
// passive: it shows what the logic hands it and forwards the user's
// selections to the logic's handlers. Esc, Enter and the close box close it.
#pragma once

#include <QDialog>

#include "ui/qt/qt_controls.h"
#include "ui/qt/resizable_window_qt.h"
#include "ui/sysinfo_dlg.h"

class QItemSelection;
class QListWidget;
class QTreeWidget;

namespace ui::qt {

class SysInfoDialog final : public QDialog, public ui::SysInfoDialogView {
 public:
  explicit SysInfoDialog(QWidget* parent);
  ~SysInfoDialog() override;

  // Captures the template's rectangles for the resizer, makes the size grip
  // and runs the logic's initialisation; the caller then runs the dialog.
  void Start(CSysInfoDlg& logic);

  ui::ListBox& CategoryList() override { return categories_; }
  ui::DetailListView& DetailList() override { return details_; }
  void RunExtensionsDialog(const std::wstring& extensionsText) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ForwardSelectionChange(const QItemSelection& selected, const QItemSelection& deselected);

  QListWidget* categoryList_;
  QTreeWidget* detailList_;
  QtResizableLayout layout_;
  QtListBox categories_;
  QtDetailListView details_;
  CSysInfoDlg* logic_ = nullptr;
};

}  // namespace ui::qt

#include "ui/qt/sysinfo_dialog_qt.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QListWidget>
#include <QResizeEvent>
#include <QTreeWidget>
#include <set>

#include "ui/opengl_extensions_dlg.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/opengl_extensions_dialog_qt.h"
#include "ui/resource.h"

namespace ui::qt {

namespace {

std::set<int> Rows(const QItemSelection& selection) {
  std::set<int> rows;
  for (const QItemSelectionRange& range : selection) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.insert(row);
  }
  return rows;
}

}  // namespace

SysInfoDialog::SysInfoDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      categoryList_(new QListWidget(this)),
      detailList_(new QTreeWidget(this)),
      layout_(this),
      categories_(categoryList_, false),
      details_(detailList_) {
  setWindowTitle(QStringLiteral("Velotrace System Info"));
  const DialogUnits du(font());
  // The template's size is also the smallest the dialog may become.
  resize(du.X(408), du.Y(292));
  setMinimumSize(size());

  // Widgets are made in template order, which is also the tab order.
  SetControlId(categoryList_, IDC_CATEGORY_LIST);
  categoryList_->setGeometry(du.Rect(9, 10, 106, 275));
  categoryList_->setSelectionMode(QAbstractItemView::SingleSelection);
  categoryList_->setUniformItemSizes(true);
  categoryList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  SetControlId(detailList_, IDC_DETAIL_LIST);
  detailList_->setGeometry(du.Rect(122, 10, 279, 275));
  detailList_->setRootIsDecorated(false);
  detailList_->setItemsExpandable(false);
  detailList_->setUniformRowHeights(true);
  detailList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  detailList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  detailList_->setColumnCount(0);
  detailList_->header()->setStretchLastSection(false);
  detailList_->header()->setSectionsMovable(false);
  setTabOrder(categoryList_, detailList_);

  connect(categoryList_, &QListWidget::itemSelectionChanged, this, [this] {
    if (logic_) logic_->OnCategorySelected();
  });
  connect(detailList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &SysInfoDialog::ForwardSelectionChange);
}

SysInfoDialog::~SysInfoDialog() = default;

void SysInfoDialog::Start(CSysInfoDlg& logic) {
  // The resizer captures the template's rectangles before the logic starts,
  // and the size grip exists before the first layout.
  layout_.Init(app::SysInfoDialogResizeRules());
  logic_ = &logic;
  logic.OnInitDialog();
  categoryList_->setFocus(Qt::OtherFocusReason);
}

void SysInfoDialog::RunExtensionsDialog(const std::wstring& extensionsText) {
  OpenGLExtensionsDialog window(this);
  OpenGLExtensionsDlg dialog(window.Extensions());
  dialog.extensionsText = extensionsText;
  dialog.OnInitDialog();
  window.exec();
}

// Rows that leave the selection are reported before rows that enter it, as
// the system's list view does when the selection moves from one to another.
void SysInfoDialog::ForwardSelectionChange(const QItemSelection& selected, const QItemSelection& deselected) {
  if (!logic_) return;
  for (const int row : Rows(deselected)) logic_->OnItemChanged(row, true, false);
  for (const int row : Rows(selected)) logic_->OnItemChanged(row, false, true);
}

// The dialog has no buttons: Enter closes it as Esc does.
void SysInfoDialog::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SysInfoDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  layout_.OnResize();
}

}  // namespace ui::qt

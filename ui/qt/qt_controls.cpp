#include "ui/qt/qt_controls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "ui/resource.h"

namespace ui::qt {

void SetControlId(QWidget* widget, int id) {
  widget->setProperty(kControlIdProperty, id);
  widget->setObjectName(QStringLiteral("control%1").arg(id));
}

QWidget* FindControl(const QWidget* dialog, int id) {
  for (QWidget* child : dialog->findChildren<QWidget*>()) {
    const QVariant value = child->property(kControlIdProperty);
    if (value.isValid() && value.toInt() == id) return child;
  }
  return nullptr;
}

int QtComboBox::GetCurSel() const { return combo_->currentIndex(); }

void QtComboBox::SetCurSel(int index) { combo_->setCurrentIndex(index); }

int QtComboBox::GetCount() const { return combo_->count(); }

std::wstring QtComboBox::GetItemText(int index) const { return combo_->itemText(index).toStdWString(); }

// A combo box of the system selects nothing when an item is added; Qt's
// selects the first item, so the selection is put back.
int QtComboBox::AddString(const std::wstring& text) {
  const int selected = combo_->currentIndex();
  combo_->addItem(QString::fromStdWString(text));
  if (selected < 0) combo_->setCurrentIndex(-1);
  return combo_->count() - 1;
}

int QtListView::GetWindowWidth() const { return tree_->width(); }

void QtListView::InsertColumn(int index, const std::wstring& heading, int width) {
  if (tree_->columnCount() <= index) tree_->setColumnCount(index + 1);
  QTreeWidgetItem* header = tree_->headerItem();
  header->setText(index, QString::fromStdWString(heading));
  header->setTextAlignment(index, Qt::AlignLeft | Qt::AlignVCenter);
  tree_->setColumnWidth(index, width);
}

bool QtListView::AttachStatusImages() {
  QVector<QIcon> images;
  QStringList names = {QStringLiteral("status_ok"), QStringLiteral("status_error")};
  for (int frame = 1; frame <= IDB_BUSY_LAST - IDB_BUSY_FIRST + 1; ++frame) {
    names << QStringLiteral("busy_%1").arg(frame, 2, 10, QLatin1Char('0'));
  }
  for (const QString& name : names) {
    const QPixmap pixmap(QStringLiteral(":/res/%1.bmp").arg(name));
    if (pixmap.isNull()) return false;
    images.push_back(QIcon(pixmap));
  }
  images_ = std::move(images);
  tree_->setIconSize(QSize(16, 16));
  return true;
}

int QtListView::GetItemCount() const { return tree_->topLevelItemCount(); }

void QtListView::DeleteAllItems() { tree_->clear(); }

void QtListView::InsertItem(int row, const std::wstring& text, int image) {
  auto* item = new QTreeWidgetItem;
  item->setText(0, QString::fromStdWString(text));
  item->setIcon(0, Image(image));
  tree_->insertTopLevelItem(std::clamp(row, 0, tree_->topLevelItemCount()), item);
}

void QtListView::SetItemText(int row, int column, const std::wstring& text) {
  if (QTreeWidgetItem* item = tree_->topLevelItem(row)) item->setText(column, QString::fromStdWString(text));
}

void QtListView::SetItemImage(int row, int image) {
  if (QTreeWidgetItem* item = tree_->topLevelItem(row)) item->setIcon(0, Image(image));
}

void QtListView::RepaintNow(int) { tree_->viewport()->repaint(); }

QIcon QtListView::Image(int image) const {
  if (image < 0 || image >= images_.size()) return QIcon();
  return images_[image];
}

int QtListBox::AddString(const std::wstring& text) {
  const QString item = QString::fromStdWString(text);
  int row = list_->count();
  if (sorted_) {
    row = 0;
    while (row < list_->count() && QString::compare(list_->item(row)->text(), item, Qt::CaseInsensitive) <= 0) ++row;
  }
  list_->insertItem(row, item);
  return row;
}

void QtListBox::SetItemData(int index, std::intptr_t data) {
  if (QListWidgetItem* item = list_->item(index)) item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(data));
}

std::intptr_t QtListBox::GetItemData(int index) const {
  const QListWidgetItem* item = list_->item(index);
  return item ? static_cast<std::intptr_t>(item->data(Qt::UserRole).toLongLong()) : 0;
}

// Selecting from the program notifies no one, as with the system's list
// box: only the user's selections reach the dialog's handler.
void QtListBox::SetCurSel(int index) {
  const QSignalBlocker quiet(list_);
  if (index < 0 || index >= list_->count()) {
    list_->clearSelection();
    return;
  }
  list_->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

int QtListBox::GetCurSel() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? -1 : list_->row(selected.first());
}

int QtListBox::GetCount() const { return list_->count(); }

int QtDetailListView::GetWindowWidth() const { return tree_->width(); }

void QtDetailListView::SetFullRowSelect() { tree_->setAllColumnsShowFocus(true); }

void QtDetailListView::InsertColumn(int index, const std::wstring& heading, int width) {
  if (tree_->columnCount() <= index) tree_->setColumnCount(index + 1);
  QTreeWidgetItem* header = tree_->headerItem();
  header->setText(index, QString::fromStdWString(heading));
  header->setTextAlignment(index, Qt::AlignLeft | Qt::AlignVCenter);
  tree_->setColumnWidth(index, width);
}

int QtDetailListView::GetItemCount() const { return tree_->topLevelItemCount(); }

void QtDetailListView::DeleteAllItems() { tree_->clear(); }

void QtDetailListView::InsertItem(int row, const std::wstring& text) {
  auto* item = new QTreeWidgetItem;
  item->setText(0, QString::fromStdWString(text));
  tree_->insertTopLevelItem(std::clamp(row, 0, tree_->topLevelItemCount()), item);
}

void QtDetailListView::SetItemText(int row, int column, const std::wstring& text) {
  if (QTreeWidgetItem* item = tree_->topLevelItem(row)) item->setText(column, QString::fromStdWString(text));
}

std::wstring QtDetailListView::GetItemText(int row, int column) const {
  const QTreeWidgetItem* item = tree_->topLevelItem(row);
  return item ? item->text(column).toStdWString() : std::wstring();
}

void QtButton::Enable(bool enabled) { button_->setEnabled(enabled); }

bool QtButton::IsEnabled() const { return button_->isEnabled(); }

void QtMessageBox::Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QString::fromStdWString(title), QString::fromStdWString(text), QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace ui::qt

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QSizeGrip>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "fakes/fake_controls.h"
#include "ui/category_entries.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/main_dialog_qt.h"
#include "ui/qt/opengl_extensions_dialog_qt.h"
#include "ui/qt/sysinfo_dialog_qt.h"
#include "ui/resource.h"
#include "ui/sysinfo_dlg.h"

namespace {

using ui::qt::FindControl;
using ui::qt::SysInfoDialog;

template <typename T>
T* Control(const QWidget& dialog, int id) {
  return qobject_cast<T*>(FindControl(&dialog, id));
}

class ModelParent final : public ui::CategorySource {
 public:
  CSysInfo model;
  void GetCategoryEntries(std::int32_t category, InfoEntryList& entries) override {
    ui::GetCategoryEntries(model, category, entries);
  }
};

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

QStringList Column(const QTreeWidget& tree, int column) {
  QStringList texts;
  for (int i = 0; i < tree.topLevelItemCount(); ++i) texts << tree.topLevelItem(i)->text(column);
  return texts;
}

// Closes every extensions dialog that opens while it runs, and remembers
// what each one showed.
class ExtensionsDialogCloser {
 public:
  ExtensionsDialogCloser() {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = dynamic_cast<ui::qt::OpenGLExtensionsDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      auto* list = Control<QListWidget>(*dialog, IDC_EXTENSION_LIST);
      shown.push_back(list ? Texts(*list) : QStringList{QStringLiteral("no list 1004")});
      if (inspect) inspect(*dialog);
      dialog->reject();
    });
    timer_.start();
  }
  std::vector<QStringList> shown;
  std::function<void(ui::qt::OpenGLExtensionsDialog&)> inspect;

 private:
  QTimer timer_;
};

struct Fixture {
  explicit Fixture(const std::wstring& versionText = L"velotrace 2024") {
    parent.model.AddResult(L"Processor", L"Some CPU", CategoryHardware);
    parent.model.AddResult(L"OpenGL extensions (click here for list)", L"", CategoryHardware);
    parent.model.AddResult(L"Graphics driver date", L"20230615000000.000000-000", CategoryHardware);
    parent.model.AddResult(L"Operating system", L"Windows 11", CategoryOperatingSystem);
    parent.model.AddResult(L"Version", L"2024", CategoryProduct);
    parent.model.AddResult(L"module.dll", L"1.2.3.4", CategoryAddIn);
    logic.extensionsText = L"GL_EXT_b  GL_ARB_a gl_lower GL_ARB_a ";
    logic.versionText = versionText;
    window.Start(logic);
    window.show();
    categories = Control<QListWidget>(window, IDC_CATEGORY_LIST);
    details = Control<QTreeWidget>(window, IDC_DETAIL_LIST);
  }

  void ClickRow(int row) {
    const QRect rect = details->visualItemRect(details->topLevelItem(row));
    QTest::mouseClick(details->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
  }

  ModelParent parent;
  SysInfoDialog window{nullptr};
  CSysInfoDlg logic{window, &parent};
  QListWidget* categories = nullptr;
  QTreeWidget* details = nullptr;
};

TEST(SysInfoDialogQt, ShowsTheTemplateControlsAndTheHardwareCategory) {
  Fixture f;
  ASSERT_TRUE(f.categories && f.details);
  EXPECT_EQ(f.window.windowTitle(), "Velotrace System Info");

  const ui::qt::DialogUnits du(f.window.font());
  EXPECT_EQ(f.window.size(), QSize(du.X(408), du.Y(292)));
  EXPECT_EQ(f.window.minimumSize(), f.window.size());
  EXPECT_EQ(f.categories->geometry(), du.Rect(9, 10, 106, 275));
  EXPECT_EQ(f.details->geometry(), du.Rect(122, 10, 279, 275));
  EXPECT_EQ(f.categories->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(f.details->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_TRUE(f.details->allColumnsShowFocus()) << "selection covers the whole row";

  EXPECT_EQ(Texts(*f.categories), QStringList({"Hardware", "Operating system", "Velotrace"}));
  for (int i = 0; i < f.categories->count(); ++i) EXPECT_EQ(f.categories->item(i)->data(Qt::UserRole).toInt(), i + 1);
  EXPECT_EQ(f.categories->currentRow(), 0);
  EXPECT_TRUE(f.categories->item(0)->isSelected());

  ASSERT_EQ(f.details->columnCount(), 2);
  EXPECT_EQ(f.details->headerItem()->text(0), "Item");
  EXPECT_EQ(f.details->headerItem()->text(1), "Value");
  EXPECT_EQ(f.details->columnWidth(0), f.details->width() / 2);
  EXPECT_EQ(f.details->columnWidth(1), f.details->width() / 2);
  EXPECT_EQ(Column(*f.details, 0),
            QStringList({"Processor", "OpenGL extensions (click here for list)", "Graphics driver date"}));
  EXPECT_EQ(Column(*f.details, 1), QStringList({"Some CPU", "", "06/15/2023"}));
  EXPECT_TRUE(f.details->selectedItems().isEmpty());

  EXPECT_EQ(f.window.focusWidget(), f.categories);
  QTest::keyClick(f.categories, Qt::Key_Tab);
  EXPECT_EQ(f.window.focusWidget(), f.details) << "tab order is template order";
}

TEST(SysInfoDialogQt, TheAddInEditionAddsItsCategory) {
  Fixture f(L"velotrace 2024 for solidworks");
  EXPECT_EQ(Texts(*f.categories),
            QStringList({"Hardware", "Operating system", "Velotrace", "Velotrace for SOLIDWORKS"}));
  EXPECT_EQ(f.categories->item(3)->data(Qt::UserRole).toInt(), CategoryAddIn);
}

TEST(SysInfoDialogQt, SelectingACategoryWithMouseOrKeysShowsItsEntries) {
  Fixture f(L"velotrace 2024 for solidworks");
  f.categories->setFocus();
  QTest::mouseClick(f.categories->viewport(), Qt::LeftButton, Qt::NoModifier,
                    f.categories->visualItemRect(f.categories->item(2)).center());
  EXPECT_EQ(Column(*f.details, 0), QStringList({"Version"}));
  QTest::keyClick(f.categories, Qt::Key_Up);
  EXPECT_EQ(Column(*f.details, 0), QStringList({"Operating system"}));
  EXPECT_EQ(Column(*f.details, 1), QStringList({"Windows 11"}));
  QTest::keyClick(f.categories, Qt::Key_End);
  EXPECT_EQ(Column(*f.details, 0), QStringList({"module.dll"}));
}

TEST(SysInfoDialogQt, TheListEntryOpensTheExtensionsDialogOncePerNewSelection) {
  Fixture f;
  ExtensionsDialogCloser closer;
  const int listRow = 1;
  f.details->setFocus();

  f.ClickRow(0);
  EXPECT_TRUE(closer.shown.empty());
  QTest::keyClick(f.details, Qt::Key_Down);
  ASSERT_TRUE(f.details->topLevelItem(listRow)->isSelected());
  ASSERT_EQ(closer.shown.size(), 1u) << "the arrow key onto the entry opens the list once";
  EXPECT_EQ(closer.shown[0], QStringList({"GL_ARB_a", "GL_ARB_a", "GL_EXT_b", "gl_lower"}));

  f.ClickRow(listRow);
  EXPECT_EQ(closer.shown.size(), 1u) << "clicking it while it stays selected opens nothing";
  QTest::keyClick(f.details, Qt::Key_Down);
  QTest::keyClick(f.details, Qt::Key_Up);
  EXPECT_EQ(closer.shown.size(), 2u) << "leaving it and coming back opens the list again";
  f.ClickRow(2);
  f.ClickRow(listRow);
  EXPECT_EQ(closer.shown.size(), 3u) << "and so does a mouse click after another entry";
}

TEST(SysInfoDialogQt, TheExtensionsDialogShowsTheNamesWithoutSelectingAny) {
  Fixture f;
  ExtensionsDialogCloser closer;
  QSize size, fixedMaximum;
  QString caption;
  QStringList selectedAfterClick;
  closer.inspect = [&](ui::qt::OpenGLExtensionsDialog& dialog) {
    caption = dialog.windowTitle();
    size = dialog.size();
    fixedMaximum = dialog.maximumSize();
    auto* list = Control<QListWidget>(dialog, IDC_EXTENSION_LIST);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(1)).center());
    for (QListWidgetItem* item : list->selectedItems()) selectedAfterClick << item->text();
  };
  f.window.RunExtensionsDialog(L"GL_b GL_a");
  ASSERT_EQ(closer.shown.size(), 1u);
  EXPECT_EQ(closer.shown[0], QStringList({"GL_a", "GL_b"}));
  EXPECT_EQ(caption, "OpenGL Extensions");
  const ui::qt::DialogUnits du(f.window.font());
  EXPECT_EQ(size, QSize(du.X(309), du.Y(178)));
  EXPECT_EQ(fixedMaximum, size) << "the dialog cannot be resized";
  EXPECT_TRUE(selectedAfterClick.isEmpty());

  f.window.RunExtensionsDialog(L"   ");
  ASSERT_EQ(closer.shown.size(), 2u);
  EXPECT_TRUE(closer.shown[1].isEmpty());
}

TEST(SysInfoDialogQt, EscEnterAndTheCloseBoxCloseBothDialogs) {
  struct Case {
    const char* name;
    std::function<void(QDialog&)> close;
  };
  const Case cases[] = {
      {"Esc", [](QDialog& d) { QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape); }},
      {"Enter", [](QDialog& d) { QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Return); }},
      {"keypad Enter",
       [](QDialog& d) { QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Enter, Qt::KeypadModifier); }},
      {"close box", [](QDialog& d) { d.close(); }},
  };
  for (const Case& c : cases) {
    Fixture f;
    for (QWidget* focus : {static_cast<QWidget*>(f.categories), static_cast<QWidget*>(f.details)}) {
      f.window.show();
      focus->setFocus();
      ASSERT_TRUE(f.window.isVisible());
      c.close(f.window);
      EXPECT_FALSE(f.window.isVisible()) << c.name << " with the focus on " << focus->objectName().toStdString();
    }

    bool closed = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = dynamic_cast<ui::qt::OpenGLExtensionsDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      c.close(*dialog);
      closed = !dialog->isVisible();
    });
    QTimer failsafe;
    failsafe.setInterval(500);
    QObject::connect(&failsafe, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
    });
    failsafe.start();
    f.window.RunExtensionsDialog(L"GL_a");
    EXPECT_TRUE(closed) << c.name << " closes the extensions dialog";
  }
}

TEST(SysInfoDialogQt, ResizingWidensTheDetailListAndKeepsTheCategoryListsWidth) {
  Fixture f;
  const QRect categoriesBefore = f.categories->geometry(), detailsBefore = f.details->geometry();
  const int column0 = f.details->columnWidth(0), column1 = f.details->columnWidth(1);

  f.window.resize(f.window.size() + QSize(100, 50));
  EXPECT_EQ(f.categories->geometry(), categoriesBefore.adjusted(0, 0, 0, 50));
  EXPECT_EQ(f.details->geometry(), detailsBefore.adjusted(0, 0, 100, 50));
  EXPECT_EQ(f.details->x() - (f.categories->x() + f.categories->width()),
            detailsBefore.x() - (categoriesBefore.x() + categoriesBefore.width()));
  EXPECT_EQ(f.details->columnWidth(0), column0);
  EXPECT_EQ(f.details->columnWidth(1), column1);
  auto* grip = f.window.findChild<QSizeGrip*>();
  ASSERT_NE(grip, nullptr);
  EXPECT_EQ(grip->geometry().bottomRight(), f.window.rect().bottomRight());

  f.window.resize(f.window.size() - QSize(100, 50));
  EXPECT_EQ(f.categories->geometry(), categoriesBefore);
  EXPECT_EQ(f.details->geometry(), detailsBefore);
}

TEST(MainDialogQt, RunsTheSystemInformationDialogModallyOverTheModel) {
  fakes::RecordingMessageBox messages;
  ui::qt::MainDialog main(messages);
  ModelParent parent;
  parent.model.AddResult(L"Graphics driver date", L"20230615000000.000000-000", CategoryHardware);
  QString caption;
  QStringList categories, rows;
  bool hasParent = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = dynamic_cast<SysInfoDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    hasParent = dialog->parentWidget() == &main;
    caption = dialog->windowTitle();
    categories = Texts(*Control<QListWidget>(*dialog, IDC_CATEGORY_LIST));
    rows = Column(*Control<QTreeWidget>(*dialog, IDC_DETAIL_LIST), 1);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  main.RunSysInfoDialog(parent, L"GL_a", L"velotrace 2024 for solidworks");
  EXPECT_TRUE(hasParent);
  EXPECT_EQ(caption, "Velotrace System Info");
  EXPECT_EQ(categories.size(), 4);
  EXPECT_EQ(rows, QStringList({"06/15/2023"}));
  EXPECT_EQ(parent.model.results[0]->entries[0].value, L"06/15/2023");
  EXPECT_EQ(main.findChild<SysInfoDialog*>(), nullptr) << "the dialog is destroyed when it closes";
}

}  // namespace

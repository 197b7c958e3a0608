#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSizeGrip>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/veloinspect_dlg.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_platform.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/main_dialog_qt.h"
#include "ui/resource.h"

namespace {

using ui::qt::FindControl;
using ui::qt::MainDialog;

template <typename T>
T* Control(const QWidget& dialog, int id) {
  return qobject_cast<T*>(FindControl(&dialog, id));
}

// Counts the handlers the window forwards to.
class CountingCommands final : public app::MainDialogCommands {
 public:
  int init = 0, versionSelected = 0, sysInfo = 0, createReport = 0, close = 0;
  std::vector<unsigned> sysCommands;
  bool OnInitDialog() override { return ++init; }
  void OnVersionSelected() override { ++versionSelected; }
  void OnSysInfo() override { ++sysInfo; }
  void OnCreateReport() override { ++createReport; }
  void OnClose() override { ++close; }
  bool OnSysCommand(unsigned id) override {
    sysCommands.push_back(id);
    return true;
  }
};

struct RealLogic {
  fakes::FakePlatform machine;
  fakes::ScriptedXmlFactory& xml = machine.xml;
  fakes::FakeProcess& process = machine.process;
  fakes::RecordingMessageBox messages;
  MainDialog window{messages};
  CVeloInspectDlg dialog{machine.host, window};
};

TEST(MainDialogQt, ShowsTheTemplateControlsWithTheirIdsAndTexts) {
  RealLogic f;
  ASSERT_TRUE(f.window.Start(f.dialog));
  EXPECT_TRUE(f.window.isVisible());
  EXPECT_EQ(f.window.windowTitle(), "Velotrace System Inspector");

  auto* combo = Control<QComboBox>(f.window, IDC_VERSION_COMBO);
  auto* report = Control<QPushButton>(f.window, IDC_CREATE_REPORT);
  auto* sysInfo = Control<QPushButton>(f.window, IDC_SYSINFO_BUTTON);
  auto* list = Control<QTreeWidget>(f.window, IDC_STATUS_LIST);
  auto* intro = Control<QLabel>(f.window, IDC_INTRO_TEXT);
  auto* frame = Control<QGroupBox>(f.window, IDC_INTRO_FRAME);
  ASSERT_TRUE(combo && report && sysInfo && list && intro && frame);

  EXPECT_EQ(combo->count(), 0);
  EXPECT_EQ(report->text(), "&Create report");
  EXPECT_FALSE(report->isEnabled());
  EXPECT_EQ(sysInfo->text(), "&Sys info...");
  EXPECT_TRUE(sysInfo->isEnabled());
  EXPECT_TRUE(sysInfo->isDefault());
  EXPECT_FALSE(intro->text().isEmpty());
  EXPECT_TRUE(frame->title().isEmpty());
  EXPECT_EQ(list->columnCount(), 2);
  EXPECT_EQ(list->headerItem()->text(0), "Status");
  EXPECT_EQ(list->headerItem()->text(1), "Description");
  EXPECT_EQ(list->columnWidth(0), list->width() / 2);
  EXPECT_EQ(list->topLevelItemCount(), 0);

  EXPECT_EQ(combo->toolTip(), "Select a Velotrace version");
  EXPECT_EQ(report->toolTip(), "Produce a report for Velotrace Support");
  EXPECT_EQ(sysInfo->toolTip(), "Collect system information");

  // Positions are the template's dialog units in the dialog font.
  const ui::qt::DialogUnits du(f.window.font());
  EXPECT_EQ(f.window.size(), QSize(du.X(321), du.Y(274)));
  EXPECT_EQ(f.window.minimumSize(), f.window.size());
  EXPECT_EQ(report->geometry(), du.Rect(18, 249, 50, 14));
  EXPECT_EQ(sysInfo->geometry(), du.Rect(197, 249, 50, 14));
  EXPECT_EQ(list->geometry(), du.Rect(18, 72, 282, 172));
  EXPECT_EQ(frame->geometry(), du.Rect(7, 3, 302, 40));
  EXPECT_EQ(combo->geometry().topLeft(), du.Rect(18, 52, 282, 66).topLeft());
  EXPECT_EQ(combo->width(), du.X(282));

  // Focus starts on the first control of the tab order, which is template order.
  EXPECT_EQ(f.window.focusWidget(), combo);
  EXPECT_EQ(combo->nextInFocusChain(), report);
  EXPECT_EQ(report->nextInFocusChain(), sysInfo);
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(MainDialogQt, ResizingKeepsTheControlsAnchored) {
  RealLogic f;
  ASSERT_TRUE(f.window.Start(f.dialog));
  auto* list = Control<QTreeWidget>(f.window, IDC_STATUS_LIST);
  auto* report = Control<QPushButton>(f.window, IDC_CREATE_REPORT);
  auto* sysInfo = Control<QPushButton>(f.window, IDC_SYSINFO_BUTTON);
  auto* combo = Control<QComboBox>(f.window, IDC_VERSION_COMBO);
  const QRect listBefore = list->geometry(), reportBefore = report->geometry(), sysInfoBefore = sysInfo->geometry(),
              comboBefore = combo->geometry();

  f.window.resize(f.window.size() + QSize(100, 50));
  EXPECT_EQ(list->geometry(), listBefore.adjusted(0, 0, 100, 50));
  EXPECT_EQ(report->geometry(), reportBefore.translated(0, 50));
  EXPECT_EQ(sysInfo->geometry(), sysInfoBefore.translated(100, 50));
  EXPECT_EQ(combo->geometry(), comboBefore.adjusted(0, 0, 100, 0));
  auto* grip = f.window.findChild<QSizeGrip*>();
  ASSERT_NE(grip, nullptr);
  EXPECT_EQ(grip->geometry().bottomRight(), f.window.rect().bottomRight());

  f.window.resize(f.window.size() - QSize(100, 50));
  EXPECT_EQ(list->geometry(), listBefore);
  EXPECT_EQ(sysInfo->geometry(), sysInfoBefore);
}

TEST(MainDialogQt, StatusRowsShowTheirImagesInTheStatusColumn) {
  RealLogic f;
  ASSERT_TRUE(f.window.Start(f.dialog));
  auto* list = Control<QTreeWidget>(f.window, IDC_STATUS_LIST);
  f.dialog.ResetStatus(L"Gathering system Info...");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_TRUE(list->topLevelItem(0)->icon(0).isNull());
  f.dialog.ShowProgress(L"Hardware");
  QTreeWidgetItem* row = list->topLevelItem(0);
  EXPECT_EQ(row->text(0), "Collecting...");
  EXPECT_EQ(row->text(1), "Hardware");
  EXPECT_FALSE(row->icon(0).isNull());
  EXPECT_TRUE(row->icon(1).isNull());
  const QImage busy = row->icon(0).pixmap(16, 16).toImage();
  f.dialog.FinishStatus(L"System info collected");
  EXPECT_EQ(row->text(0), "Ok");
  EXPECT_EQ(row->text(1), "System info collected");
  const QImage ok = row->icon(0).pixmap(16, 16).toImage();
  EXPECT_FALSE(ok.isNull());
  EXPECT_NE(ok, busy);
}

TEST(MainDialogQt, EnterAndEscRunSysInfoOnlyWhileItIsEnabled) {
  fakes::RecordingMessageBox messages;
  MainDialog window(messages);
  CountingCommands commands;
  ASSERT_TRUE(window.Start(commands));
  auto* sysInfo = Control<QPushButton>(window, IDC_SYSINFO_BUTTON);

  QTest::keyClick(&window, Qt::Key_Escape);
  QTest::keyClick(&window, Qt::Key_Return);
  QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(commands.sysInfo, 3);
  EXPECT_TRUE(window.isVisible()) << "Esc must not close the dialog";
  EXPECT_EQ(commands.close, 0);

  sysInfo->setEnabled(false);
  QTest::keyClick(&window, Qt::Key_Escape);
  QTest::keyClick(&window, Qt::Key_Return);
  EXPECT_EQ(commands.sysInfo, 3);
  EXPECT_TRUE(window.isVisible());
}

TEST(MainDialogQt, AltWithTheUnderlinedLetterPressesTheButton) {
  fakes::RecordingMessageBox messages;
  MainDialog window(messages);
  CountingCommands commands;
  ASSERT_TRUE(window.Start(commands));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
  QTest::qWait(200);
  EXPECT_EQ(commands.createReport, 0) << "a disabled button ignores its mnemonic";

  Control<QPushButton>(window, IDC_CREATE_REPORT)->setEnabled(true);
  QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
  QTRY_COMPARE(commands.createReport, 1);
  QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
  QTRY_COMPARE(commands.sysInfo, 1);
}

TEST(MainDialogQt, ChoosingAVersionAndTheCloseBoxReachTheLogic) {
  RealLogic f;
  ASSERT_TRUE(f.window.Start(f.dialog));
  auto* combo = Control<QComboBox>(f.window, IDC_VERSION_COMBO);
  auto* list = Control<QTreeWidget>(f.window, IDC_STATUS_LIST);
  f.window.VersionSelector().AddString(L"2024.1");
  f.window.VersionSelector().AddString(L"2025.0");
  EXPECT_EQ(combo->currentIndex(), -1) << "adding items selects nothing";
  EXPECT_EQ(f.dialog.GetSelectedVersionText(), L"None");

  combo->setCurrentIndex(1);
  emit combo->activated(1);
  EXPECT_EQ(f.dialog.GetSelectedVersionText(), L"2025.0");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "Ok");
  EXPECT_EQ(list->topLevelItem(0)->text(1), "Velotrace version info updated");

  f.window.close();
  EXPECT_FALSE(f.window.isVisible());
  EXPECT_EQ(f.window.result(), kDialogCancel);
  EXPECT_EQ(f.process.uninitializeCalls, 1);
}

TEST(MainDialogQt, MissingConfigShowsTheErrorAndTheWindowNeverAppears) {
  RealLogic f;
  f.xml.openResult = platform::kFileNotFound;
  EXPECT_FALSE(f.window.Start(f.dialog));
  EXPECT_FALSE(f.window.isVisible());
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].text,
            L"Error: The 'config.xml' could not be read.  Please make sure this file is available.  "
            L"This program will now close.");
  EXPECT_EQ(f.messages.shown[0].title, L"VeloInspect");
  EXPECT_EQ(f.messages.shown[0].icon, ui::MessageIcon::Error);
  EXPECT_EQ(Control<QTreeWidget>(f.window, IDC_STATUS_LIST)->columnCount(), 0);
}

TEST(MainDialogQt, TheAboutCommandOpensTheAboutBox) {
  RealLogic f;
  ASSERT_TRUE(f.window.Start(f.dialog));
  const QList<QAction*> actions = f.window.SystemMenu()->actions();
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0]->text(), "&About VeloInspect...");

  QString caption;
  QStringList texts;
  QTimer::singleShot(0, [&] {
    QWidget* about = QApplication::activeModalWidget();
    ASSERT_NE(about, nullptr);
    caption = about->windowTitle();
    for (QLabel* label : about->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) texts << label->text();
    }
    auto* ok = Control<QPushButton>(*about, IDC_OK_BUTTON);
    ASSERT_NE(ok, nullptr);
    texts << ok->text();
    ok->click();
  });
  actions[0]->trigger();
  EXPECT_EQ(caption, "About VeloInspect");
  EXPECT_EQ(texts, QStringList({"VeloInspect, Version 2.0.1", "OK"}));
}

TEST(QtMessageBox, ShowsTheTextTitleAndIconWithOnlyOk) {
  ui::qt::QtMessageBox box;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(shown, nullptr);
    title = shown->windowTitle();
    text = shown->text();
    icon = shown->icon();
    buttons = shown->standardButtons();
    shown->accept();
  });
  box.Show(L"Error: something", L"VeloInspect", ui::MessageIcon::Error);
  EXPECT_EQ(title, "VeloInspect");
  EXPECT_EQ(text, "Error: something");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

}  // namespace

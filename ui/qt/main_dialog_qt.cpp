#include "ui/qt/main_dialog_qt.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTreeWidget>

#include "ui/qt/about_dialog_qt.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/sysinfo_dialog_qt.h"
#include "ui/resource.h"

namespace ui::qt {

namespace {

const char* const kCaption = "Velotrace System Inspector";
const char* const kIntroText =
    "Select a Velotrace version and click Sys info to review the system information. "
    "Create report then writes a summary for Velotrace Support.";

}  // namespace

MainDialog::MainDialog(ui::MessageBoxes& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      combo_(new QComboBox(this)),
      tree_(new QTreeWidget(this)),
      createReportButton_(new QPushButton(QStringLiteral("&Create report"), this)),
      sysInfoButton_(new QPushButton(QStringLiteral("&Sys info..."), this)),
      systemMenu_(new QMenu(this)),
      layout_(this),
      versionSelector_(combo_),
      statusList_(tree_),
      createReport_(createReportButton_),
      sysInfo_(sysInfoButton_),
      messages_(messages) {
  setWindowTitle(QString::fromLatin1(kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/res/program.ico")));
  const DialogUnits du(font());
  // The template's size is also the smallest the dialog may become.
  resize(du.X(321), du.Y(274));
  setMinimumSize(size());

  // Widgets are made in template order, which is also the tab order.
  SetControlId(combo_, IDC_VERSION_COMBO);
  const QRect comboRect = du.Rect(18, 52, 282, 66);
  combo_->setGeometry(comboRect.x(), comboRect.y(), comboRect.width(), combo_->sizeHint().height());
  combo_->setMaxVisibleItems(std::max(1, (comboRect.height() - combo_->sizeHint().height()) / combo_->fontMetrics().height()));

  SetControlId(createReportButton_, IDC_CREATE_REPORT);
  createReportButton_->setGeometry(du.Rect(18, 249, 50, 14));
  createReportButton_->setEnabled(false);
  createReportButton_->setAutoDefault(false);

  SetControlId(sysInfoButton_, IDC_SYSINFO_BUTTON);
  sysInfoButton_->setGeometry(du.Rect(197, 249, 50, 14));
  sysInfoButton_->setDefault(true);

  SetControlId(tree_, IDC_STATUS_LIST);
  tree_->setGeometry(du.Rect(18, 72, 282, 172));
  tree_->setRootIsDecorated(false);
  tree_->setItemsExpandable(false);
  tree_->setUniformRowHeights(true);
  tree_->setAllColumnsShowFocus(true);
  tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tree_->setColumnCount(0);
  tree_->header()->setStretchLastSection(false);
  // The two columns are each half the list's outer width, a few pixels more
  // than fits inside its border: a scroll bar for those pixels would only
  // clutter the list, whose rows are short.
  tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tree_->header()->setSectionsMovable(false);

  auto* intro = new QLabel(QString::fromLatin1(kIntroText), this);
  SetControlId(intro, IDC_INTRO_TEXT);
  intro->setGeometry(du.Rect(20, 16, 280, 26));
  intro->setWordWrap(true);
  intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* frame = new QGroupBox(this);
  SetControlId(frame, IDC_INTRO_FRAME);
  frame->setGeometry(du.Rect(7, 3, 302, 40));
  frame->lower();

  setTabOrder(combo_, createReportButton_);
  setTabOrder(createReportButton_, sysInfoButton_);
  setTabOrder(sysInfoButton_, tree_);

  connect(combo_, qOverload<int>(&QComboBox::activated), this, [this](int) {
    if (commands_) commands_->OnVersionSelected();
  });
  connect(sysInfoButton_, &QPushButton::clicked, this, [this] {
    if (commands_) commands_->OnSysInfo();
  });
  connect(createReportButton_, &QPushButton::clicked, this, [this] {
    if (commands_) commands_->OnCreateReport();
  });
  auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    if (!systemMenu_->isEmpty()) systemMenu_->popup(mapToGlobal(QPoint(0, 0)));
  });
}

MainDialog::~MainDialog() = default;

bool MainDialog::Start(app::MainDialogCommands& commands) {
  // The resizer captures the template's rectangles before the logic starts,
  // and the size grip exists before the first layout.
  layout_.Init(app::MainDialogResizeRules());
  commands_ = &commands;
  commands.OnInitDialog();
  if (ended_) return false;
  show();
  combo_->setFocus(Qt::OtherFocusReason);
  return true;
}

bool MainDialog::AppendSystemMenuCommand(unsigned id, const std::wstring& text) {
  QAction* action = systemMenu_->addAction(QString::fromStdWString(text));
  connect(action, &QAction::triggered, this, [this, id] {
    if (commands_) commands_->OnSysCommand(id);
  });
  return true;
}

void MainDialog::AddToolTip(int controlId, const std::wstring& text) {
  if (QWidget* control = FindControl(this, controlId)) control->setToolTip(QString::fromStdWString(text));
}

void MainDialog::ShowAboutBox() {
  AboutDialog about(this);
  about.exec();
}

void MainDialog::RunSysInfoDialog(ui::CategorySource& parent, const std::wstring& extensionsText,
                                  const std::wstring& versionText) {
  SysInfoDialog window(this);
  CSysInfoDlg dialog(window, &parent);
  dialog.extensionsText = extensionsText;
  dialog.versionText = versionText;
  window.Start(dialog);
  window.exec();
}

void MainDialog::EndDialog(int result) {
  ended_ = true;
  setResult(result);
  if (isVisible()) done(result);
}

// Enter and Esc both run the command of the default button, whose id is the
// dialog's cancel id: Esc must not close the window, and neither key does
// anything while that button is disabled. A focused push button takes Enter
// itself before the dialog sees it.
void MainDialog::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  const int key = event->key();
  if (plain && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    if (sysInfoButton_->isEnabled()) sysInfoButton_->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void MainDialog::closeEvent(QCloseEvent* event) {
  if (commands_ && !ended_) {
    commands_->OnClose();
  } else {
    done(result());
  }
  event->accept();
}

void MainDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  layout_.OnResize();
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
  if (!systemMenu_->isEmpty()) systemMenu_->popup(event->globalPos());
  event->accept();
}

}  // namespace ui::qt

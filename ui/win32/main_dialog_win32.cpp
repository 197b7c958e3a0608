#include "ui/win32/main_dialog_win32.h"

#include "ui/resource.h"
#include "ui/win32/sysinfo_dialog_win32.h"

namespace ui::win32 {

namespace {


// The About box has no handlers of its own: OK and the close box end it.
class AboutDialog final : public Dialog {
 public:
  explicit AboutDialog(HINSTANCE instance) : Dialog(instance, IDD_ABOUTBOX) {}

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
      ::EndDialog(Handle(), LOWORD(wParam));
      return TRUE;
    }
    return FALSE;
  }
};

}  // namespace

MainDialog::MainDialog(HINSTANCE instance) : Dialog(instance, IDD_VELOINSPECT_DIALOG) {
  icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                        GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
  smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

MainDialog::~MainDialog() {
  if (icon_) DestroyIcon(icon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

INT_PTR MainDialog::Run(app::MainDialogCommands& commands) {
  commands_ = &commands;
  return DoModal(nullptr);
}

bool MainDialog::AppendSystemMenuCommand(unsigned id, const std::wstring&) {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return false;
  // The menu text is the program's string resource, as the template's
  // other texts are resources.
  wchar_t text[128] = {};
  if (LoadStringW(Instance(), IDS_ABOUTBOX, text, 128) <= 0) return true;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, id, text);
  return true;
}

bool MainDialog::CreateToolTips() {
  toolTip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, Instance(), nullptr);
  if (!toolTip_) return false;
  SendMessageW(toolTip_, TTM_ACTIVATE, TRUE, 0);
  return true;
}

// The tooltip control subclasses each tool, which relays the mouse messages
// to it; a modal dialog's own message loop offers no other place to do that.
void MainDialog::AddToolTip(int controlId, const std::wstring& text) {
  HWND control = GetDlgItem(Handle(), controlId);
  if (!toolTip_ || !control) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<LPWSTR>(text.c_str());
  SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainDialog::ShowAboutBox() {
  AboutDialog about(Instance());
  about.DoModal(Handle());
}

void MainDialog::RunSysInfoDialog(ui::CategorySource& parent, const std::wstring& extensionsText,
                                  const std::wstring& versionText) {
  SysInfoDialog window(Instance());
  CSysInfoDlg dialog(window, &parent);
  dialog.extensionsText = extensionsText;
  dialog.versionText = versionText;
  window.Run(Handle(), dialog);
}

void MainDialog::EndDialog(int result) { ::EndDialog(Handle(), result); }

INT_PTR MainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_SYSCOMMAND:
      if (commands_ && commands_->OnSysCommand(static_cast<unsigned>(wParam))) {
        SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      if (commands_) commands_->OnClose();
      return TRUE;
    case WM_SIZE:
      layout_.OnSize();
      return TRUE;
    case WM_GETMINMAXINFO:
      layout_.OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return FALSE;
    case WM_PAINT:
      if (IsIconic(Handle())) {
        OnPaint();
        return TRUE;
      }
      return FALSE;
    case WM_QUERYDRAGICON:
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(icon_));
      return TRUE;
    default:
      return FALSE;
  }
}

void MainDialog::OnInitDialog() {
  HWND dialog = Handle();
  // The resizer captures the template's rectangles before anything else,
  // and the dialog's initial size is the smallest it may become.
  layout_.Init(dialog, app::MainDialogResizeRules());

  versionSelector_.Attach(GetDlgItem(dialog, IDC_VERSION_COMBO));
  statusList_.Attach(GetDlgItem(dialog, IDC_STATUS_LIST), Instance());
  createReport_.Attach(GetDlgItem(dialog, IDC_CREATE_REPORT));
  sysInfo_.Attach(GetDlgItem(dialog, IDC_SYSINFO_BUTTON));
  messages_.SetOwner(dialog);

  SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  layout_.CreateSizeGrip(Instance());

  if (commands_) commands_->OnInitDialog();
}

void MainDialog::OnPaint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(Handle(), &paint);
  SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  GetClientRect(Handle(), &client);
  const int cx = GetSystemMetrics(SM_CXICON);
  const int cy = GetSystemMetrics(SM_CYICON);
  DrawIcon(dc, (client.right - client.left - cx + 1) / 2, (client.bottom - client.top - cy + 1) / 2, icon_);
  EndPaint(Handle(), &paint);
}

// The "Sys info..." button carries the cancel id, so Enter (it is the
// default button) and Esc both arrive here as its command; neither does
// anything while it is disabled, and Esc never closes the dialog.
void MainDialog::OnCommand(WORD id, WORD code) {
  if (!commands_) return;
  switch (id) {
    case IDC_SYSINFO_BUTTON:
      if (code == BN_CLICKED && IsWindowEnabled(GetDlgItem(Handle(), IDC_SYSINFO_BUTTON))) commands_->OnSysInfo();
      break;
    case IDC_CREATE_REPORT:
      if (code == BN_CLICKED) commands_->OnCreateReport();
      break;
    case IDC_VERSION_COMBO:
      if (code == CBN_SELCHANGE) commands_->OnVersionSelected();
      break;
    default:
      break;
  }
}

}  // namespace ui::win32

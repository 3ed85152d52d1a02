#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/resource_ids.h"

CVarneskLaserPrinterStatusMonitorDlg::CVarneskLaserPrinterStatusMonitorDlg(platform::LibraryLoader& loader)
    : ModalDialog(IDD_MAIN_WINDOW),
      windowIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      loader_(loader) {}

bool CVarneskLaserPrinterStatusMonitorDlg::OnInit() {
  tabControl.Attach(Item(IDC_PAGE_TABS));
  windowOps_.emplace(hwnd_);
  port_.emplace(loader_, *windowOps_);
  return app::InitMainWindow(*this, *port_, Reads());
}

// The printer reads of start-up; each joins here once the page that shows its result can.
app::StartupReads CVarneskLaserPrinterStatusMonitorDlg::Reads() { return {}; }

bool CVarneskLaserPrinterStatusMonitorDlg::OnNotify(int id, const NMHDR& header, LRESULT& result) {
  if (id != IDC_PAGE_TABS || header.code != TCN_SELCHANGE) return false;
  app::SelectPage(*this, tabControl.GetCurSel());
  result = 0;
  return true;
}

bool CVarneskLaserPrinterStatusMonitorDlg::OnSysCommand(WPARAM command, LPARAM parameter) {
  app::OnSystemCommand(*this, static_cast<unsigned>(command), parameter);
  return true;
}

bool CVarneskLaserPrinterStatusMonitorDlg::OnPaint() {
  if (!IsMinimised()) return false;
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_, &paint);
  SendMsg(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
  const RECT client = ClientRect();
  const app::Point at = app::MinimisedIconPosition(client.right - client.left, client.bottom - client.top,
                                                   GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  DrawIcon(dc, at.x, at.y, windowIcon);
  EndPaint(hwnd_, &paint);
  return true;
}

bool CVarneskLaserPrinterStatusMonitorDlg::HasSystemMenu() { return SystemMenu() != nullptr; }

std::u16string CVarneskLaserPrinterStatusMonitorDlg::LoadResourceText(int id) {
  // With a zero buffer size LoadStringW hands out the resource's own text, not terminated.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return {};
  return std::u16string(text, text + length);
}

void CVarneskLaserPrinterStatusMonitorDlg::AppendSystemMenuSeparator() {
  AppendMenuW(SystemMenu(), MF_SEPARATOR, 0, nullptr);
}

void CVarneskLaserPrinterStatusMonitorDlg::AppendSystemMenuItem(unsigned command, std::u16string_view text) {
  AppendMenuW(SystemMenu(), MF_STRING, command, ui::win32::Wide(text).c_str());
}

void CVarneskLaserPrinterStatusMonitorDlg::SetIcons() {
  SetIcon(ICON_BIG, windowIcon);
  SetIcon(ICON_SMALL, windowIcon);
}

void CVarneskLaserPrinterStatusMonitorDlg::SetTitle(std::u16string_view title) { SetText(title); }

ui::Rect CVarneskLaserPrinterStatusMonitorDlg::TabClientRect() {
  const RECT rect = tabControl.ClientRect();
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void CVarneskLaserPrinterStatusMonitorDlg::InsertTab(int index, std::u16string_view text) {
  tabControl.InsertItem(index, text);
}

void CVarneskLaserPrinterStatusMonitorDlg::CreatePage(app::Page page) { PageWindow(page).Create(tabControl.Handle()); }

void CVarneskLaserPrinterStatusMonitorDlg::MovePage(app::Page page, ui::Rect rect) {
  PageWindow(page).Move(RECT{rect.left, rect.top, rect.right, rect.bottom});
}

void CVarneskLaserPrinterStatusMonitorDlg::ShowPage(app::Page page, bool visible) { PageWindow(page).Show(visible); }

void CVarneskLaserPrinterStatusMonitorDlg::SelectTab(int index) { tabControl.SetCurSel(index); }

void CVarneskLaserPrinterStatusMonitorDlg::CloseWithOk() { End(IDOK); }

void CVarneskLaserPrinterStatusMonitorDlg::RunAboutBox() {
  CAboutDlg about;
  about.Run(hwnd_);
}

void CVarneskLaserPrinterStatusMonitorDlg::DefaultSystemCommand(unsigned command, std::intptr_t parameter) {
  DefWindowProcW(hwnd_, WM_SYSCOMMAND, command, parameter);
}

ui::win32::Page& CVarneskLaserPrinterStatusMonitorDlg::PageWindow(app::Page page) {
  if (page == app::Page::Status) return statusPage;
  return settingsPage;
}

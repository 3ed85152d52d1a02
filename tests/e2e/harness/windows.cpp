#include "tests/e2e/harness/windows.h"

#include <commctrl.h>

#include <cstddef>

#include "app/resource_ids.h"

namespace e2e {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 1088;

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// Enumeration callbacks must be stdcall on x86, which a lambda is not.
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> PageWindows(HWND mainWindow) {
  std::vector<HWND> pages;
  HWND tabs = GetDlgItem(mainWindow, IDC_PAGE_TABS);
  for (HWND child = GetWindow(tabs, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsDialog(child)) pages.push_back(child);
  }
  return pages;
}

// Messages whose arguments point into memory are not carried across processes; the buffer
// has to live in the program's own address space.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Valid() const { return address_ != nullptr; }
  void* Address(size_t offset = 0) const { return static_cast<std::byte*>(address_) + offset; }
  bool Write(size_t offset, const void* data, size_t size) const {
    return WriteProcessMemory(process_, Address(offset), data, size, nullptr);
  }
  bool Read(size_t offset, void* data, size_t size) const {
    return ReadProcessMemory(process_, Address(offset), data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
  std::vector<HWND> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> found;
  for (HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) found.push_back(window);
  }
  return found;
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT is carried across processes; GetWindowText would not ask the control.
  wchar_t text[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::wstring ControlText(HWND parent, int id) {
  HWND control = GetDlgItem(parent, id);
  return control ? WindowText(control) : L"<no control>";
}

bool IsDialog(HWND window) { return ClassName(window) == L"#32770"; }

bool IsMainWindow(HWND window) { return IsDialog(window) && GetDlgItem(window, IDC_PAGE_TABS) != nullptr; }

MessageBoxInfo ReadMessageBox(HWND box) {
  MessageBoxInfo info;
  info.caption = WindowText(box);
  info.text = ControlText(box, kMessageBoxTextId);
  HWND icon = GetDlgItem(box, kMessageBoxIconId);
  info.hasIcon = icon && IsWindowVisible(icon);
  for (HWND child : Children(box)) {
    if (ClassName(child) == L"Button" && IsWindowVisible(child)) info.buttons.push_back(GetDlgCtrlID(child));
  }
  return info;
}

void PressButton(HWND dialog, int id) {
  SetForegroundWindow(dialog);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND FindDialogByCaption(DWORD processId, const std::wstring& caption) {
  for (HWND window : TopLevelWindows(processId)) {
    if (IsDialog(window) && WindowText(window) == caption) return window;
  }
  return nullptr;
}

void ClickAt(POINT screenPoint) {
  SetCursorPos(screenPoint.x, screenPoint.y);
  INPUT buttons[2] = {};
  for (INPUT& button : buttons) button.type = INPUT_MOUSE;
  buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, buttons, sizeof(INPUT));
}

HWND VisibleMenu(DWORD processId) {
  for (HWND window : TopLevelWindows(processId)) {
    if (ClassName(window) == L"#32768" && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND StatusPage(HWND mainWindow) {
  for (HWND page : PageWindows(mainWindow)) {
    if (GetDlgItem(page, IDC_STATUS_FRAME)) return page;
  }
  return nullptr;
}

HWND SettingsPage(HWND mainWindow) {
  for (HWND page : PageWindows(mainWindow)) {
    if (!GetDlgItem(page, IDC_STATUS_FRAME)) return page;
  }
  return nullptr;
}

std::vector<std::wstring> TabTexts(HWND mainWindow) {
  HWND tabs = GetDlgItem(mainWindow, IDC_PAGE_TABS);
  std::vector<std::wstring> texts;
  const auto count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
  constexpr int kChars = 256;
  RemoteBuffer remote(tabs, sizeof(TCITEMW) + kChars * sizeof(wchar_t));
  if (!remote.Valid()) return texts;
  for (int i = 0; i < count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = static_cast<wchar_t*>(remote.Address(sizeof(TCITEMW)));
    item.cchTextMax = kChars;
    wchar_t text[kChars] = {};
    remote.Write(0, &item, sizeof item);
    remote.Write(sizeof(TCITEMW), text, sizeof text);
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.Address()));
    remote.Read(sizeof(TCITEMW), text, sizeof text);
    text[kChars - 1] = L'\0';
    texts.emplace_back(text);
  }
  return texts;
}

int SelectedTab(HWND mainWindow) {
  return static_cast<int>(SendMessageW(GetDlgItem(mainWindow, IDC_PAGE_TABS), TCM_GETCURSEL, 0, 0));
}

bool ClickTab(HWND mainWindow, int index) {
  HWND tabs = GetDlgItem(mainWindow, IDC_PAGE_TABS);
  RemoteBuffer remote(tabs, sizeof(RECT));
  RECT rect{};
  if (!remote.Valid() ||
      !SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.Address())) ||
      !remote.Read(0, &rect, sizeof rect)) {
    return false;
  }
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SetForegroundWindow(mainWindow);
  SendMessageW(tabs, WM_MOUSEMOVE, 0, point);
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(tabs, WM_LBUTTONUP, 0, point);
  return true;
}

}  // namespace e2e

#include "ui/win32/dialog.h"

namespace ui::win32 {

bool Dialog::OnCommand(int id, int, HWND) {
  // Enter and Escape (and the close box) arrive as IDOK and IDCANCEL.
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

bool Dialog::OnNotify(int, const NMHDR&, LRESULT&) { return false; }

bool Dialog::OnSysCommand(WPARAM, LPARAM) { return false; }

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<Dialog*>(lParam);
    dialog->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  } else {
    dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
  if (dialog == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    // The window is gone; a page object that outlives it must not destroy a stale handle.
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    dialog->hwnd_ = nullptr;
    return FALSE;
  }
  return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      LRESULT result = 0;
      if (!OnNotify(static_cast<int>(header->idFrom), *header, result)) return FALSE;
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_PAINT:
      return OnPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      // One of the few messages whose dialog-procedure result is the answer itself.
      return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    default:
      return FALSE;
  }
}

INT_PTR ModalDialog::Run(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TemplateId()), owner, DialogProc,
                         reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
}

Page::~Page() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool Page::Create(HWND parent) {
  return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TemplateId()), parent, DialogProc,
                            reinterpret_cast<LPARAM>(static_cast<Dialog*>(this))) != nullptr;
}

}  // namespace ui::win32

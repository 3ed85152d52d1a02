// A window handle with a few one-line operations; it owns nothing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui::win32 {

// Our texts are UTF-16 already; wchar_t is 16-bit on Windows, so this only adds the terminator.
inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}

  HWND Handle() const { return hwnd_; }
  void Attach(HWND hwnd) { hwnd_ = hwnd; }

  LRESULT SendMsg(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(hwnd_, message, wParam, lParam);
  }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  void Show(bool visible) const { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
  void Move(const RECT& rect, bool repaint = true) const {
    MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint ? TRUE : FALSE);
  }
  RECT ClientRect() const {
    RECT rect{};
    GetClientRect(hwnd_, &rect);
    return rect;
  }
  void SetText(std::u16string_view text) const { SetWindowTextW(hwnd_, Wide(text).c_str()); }
  bool IsMinimised() const { return IsIconic(hwnd_) != FALSE; }
  void SetIcon(WPARAM which, HICON icon) const { SendMsg(WM_SETICON, which, reinterpret_cast<LPARAM>(icon)); }
  HMENU SystemMenu() const { return GetSystemMenu(hwnd_, FALSE); }

 protected:
  HWND hwnd_ = nullptr;
};

}  // namespace ui::win32

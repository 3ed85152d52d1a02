// The tab control, one method per message it is sent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "ui/win32/window.h"

namespace ui::win32 {

class TabControl : public Window {
 public:
  using Window::Window;
  int InsertItem(int index, std::u16string_view text) const {
    std::wstring wide = Wide(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    return static_cast<int>(SendMsg(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
  }
  int SetCurSel(int index) const { return static_cast<int>(SendMsg(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
  int GetCurSel() const { return static_cast<int>(SendMsg(TCM_GETCURSEL)); }
};

}  // namespace ui::win32

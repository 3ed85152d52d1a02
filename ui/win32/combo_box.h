// The combo box, one method per message it is sent.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/win32/window.h"

namespace ui::win32 {

class ComboBox : public Window {
 public:
  using Window::Window;
  int InsertString(int index, std::u16string_view text) const {
    const std::wstring wide = Wide(text);
    return static_cast<int>(SendMsg(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str())));
  }
  int SetCurSel(int index) const { return static_cast<int>(SendMsg(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  int GetCurSel() const { return static_cast<int>(SendMsg(CB_GETCURSEL)); }
  // index -1 is the selection field, 0 the list items.
  int SetItemHeight(int index, int height) const {
    return static_cast<int>(SendMsg(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
  }
};

}  // namespace ui::win32

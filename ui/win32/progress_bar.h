// The progress bar, one method per message it is sent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/win32/window.h"

namespace ui::win32 {

class ProgressBar : public Window {
 public:
  using Window::Window;
  void SetRange32(int low, int high) const { SendMsg(PBM_SETRANGE32, static_cast<WPARAM>(low), high); }
  int SetStep(int step) const { return static_cast<int>(SendMsg(PBM_SETSTEP, static_cast<WPARAM>(step))); }
  int SetPos(int position) const { return static_cast<int>(SendMsg(PBM_SETPOS, static_cast<WPARAM>(position))); }
};

}  // namespace ui::win32

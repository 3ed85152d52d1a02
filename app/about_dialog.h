// The About box: its template does everything; OK ends it.
#pragma once

#include "app/resource_ids.h"
#include "ui/win32/dialog.h"

class CAboutDlg final : public ui::win32::ModalDialog {
 public:
  CAboutDlg() : ModalDialog(IDD_ABOUTBOX) {}
};

#include "app/main_window_logic.h"

#include "app/resource_ids.h"

namespace app {

std::u16string MainWindowTitle() { return std::u16string(COMPANY_NAME) + u" " + PRODUCT_TITLE; }

ui::Rect PageRect(ui::Rect tabClient) {
  return {tabClient.left + 4, tabClient.top + 20, tabClient.right - 4, tabClient.bottom - 4};
}

bool InitMainWindow(MainWindowShell& shell, printer_link::PortLibrary& port, const StartupReads& reads) {
  if (shell.HasSystemMenu()) {
    const std::u16string about = shell.LoadResourceText(IDS_ABOUTBOX);
    if (!about.empty()) {
      shell.AppendSystemMenuSeparator();
      shell.AppendSystemMenuItem(ABOUT_COMMAND, about);
    }
  }
  shell.SetIcons();
  shell.SetTitle(MainWindowTitle());

  const ui::Rect pageRect = PageRect(shell.TabClientRect());
  shell.InsertTab(0, STATUS_TAB_TEXT);
  shell.CreatePage(Page::Status);
  shell.MovePage(Page::Status, pageRect);
  shell.InsertTab(1, SETTINGS_TAB_TEXT);
  shell.CreatePage(Page::Settings);
  shell.MovePage(Page::Settings, pageRect);
  shell.ShowPage(Page::Status, true);
  shell.ShowPage(Page::Settings, false);
  shell.SelectTab(0);

  // Only the probe treats every non-zero open result as a port; the reads demand exactly 1.
  if (port.Probe() == 0) {
    shell.CloseWithOk();
    return true;
  }
  if (!reads.readEdsBlob || reads.readEdsBlob() != 1) return true;
  for (const auto* read : {&reads.readEdsTable, &reads.readPntParams, &reads.refreshStatus, &reads.buildSettingsRows}) {
    if (*read) (*read)();
  }
  return true;
}

void SelectPage(MainWindowShell& shell, int index) {
  if (index == 0) {
    shell.ShowPage(Page::Status, true);
    shell.ShowPage(Page::Settings, false);
  } else if (index == 1) {
    shell.ShowPage(Page::Status, false);
    shell.ShowPage(Page::Settings, true);
  }
}

void OnSystemCommand(MainWindowShell& shell, unsigned command, std::intptr_t parameter) {
  // The system keeps the low four bits of a menu command for itself.
  if ((command & 0xFFF0u) == ABOUT_COMMAND) {
    shell.RunAboutBox();
  } else {
    shell.DefaultSystemCommand(command, parameter);
  }
}

Point MinimisedIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
  // Integer division rounds toward zero, also for a client area smaller than the icon.
  return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace app

// The main window: two tabs of pages and the Save and Restore buttons. What it does at
// start-up and on its commands is decided in main_window_logic; this class only carries it
// out on the window.
#pragma once

#include <windows.h>

#include <optional>

#include "app/main_window_logic.h"
#include "app/pages.h"
#include "link/port_library.h"
#include "platform/library_loader.h"
#include "ui/win32/dialog.h"
#include "ui/win32/tab_control.h"
#include "ui/win32/win32_window_ops.h"

class CVarneskLaserPrinterStatusMonitorDlg final : public ui::win32::ModalDialog, private app::MainWindowShell {
 public:
  explicit CVarneskLaserPrinterStatusMonitorDlg(platform::LibraryLoader& loader);

 private:
  bool OnInit() override;
  bool OnNotify(int id, const NMHDR& header, LRESULT& result) override;
  bool OnSysCommand(WPARAM command, LPARAM parameter) override;
  bool OnPaint() override;
  HICON OnQueryDragIcon() override { return windowIcon; }

  app::StartupReads Reads();

  bool HasSystemMenu() override;
  std::u16string LoadResourceText(int id) override;
  void AppendSystemMenuSeparator() override;
  void AppendSystemMenuItem(unsigned command, std::u16string_view text) override;
  void SetIcons() override;
  void SetTitle(std::u16string_view title) override;
  ui::Rect TabClientRect() override;
  void InsertTab(int index, std::u16string_view text) override;
  void CreatePage(app::Page page) override;
  void MovePage(app::Page page, ui::Rect rect) override;
  void ShowPage(app::Page page, bool visible) override;
  void SelectTab(int index) override;
  void CloseWithOk() override;
  void RunAboutBox() override;
  void DefaultSystemCommand(unsigned command, std::intptr_t parameter) override;

  ui::win32::Page& PageWindow(app::Page page);

  HICON windowIcon;
  ui::win32::TabControl tabControl;
  VarneskeLaserPrinterSet settingsPage;
  VarneskeLaserPrinterStatus statusPage;
  VarneskePrinterSimultion simulationPage;
  VarneskePrinterColAdj colourAdjustPage;
  VarneskePrinterSystem systemPage;

  platform::LibraryLoader& loader_;
  // Both need the window handle, so they are made when the window is.
  std::optional<ui::win32::Win32WindowOps> windowOps_;
  std::optional<printer_link::PortLibrary> port_;
};

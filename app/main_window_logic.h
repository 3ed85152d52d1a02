// What the main window decides: the order of its start-up, which page a tab shows, where the
// About command goes and where the minimised icon sits. Written against a small shell seam so
// it runs natively under test; the Win32 main window implements the seam.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "link/port_library.h"
#include "ui/window_ops.h"

namespace app {

inline constexpr char16_t COMPANY_NAME[] = u"澄岳科技股份有限公司";
inline constexpr char16_t PRODUCT_TITLE[] = u"激光打印机状态监视器V1.0.8";
inline constexpr char16_t STATUS_TAB_TEXT[] = u"激光打印机状态";
inline constexpr char16_t SETTINGS_TAB_TEXT[] = u"激光打印机参数";

enum class Page { Status, Settings };

class MainWindowShell {
 public:
  virtual ~MainWindowShell() = default;

  virtual bool HasSystemMenu() = 0;
  virtual std::u16string LoadResourceText(int id) = 0;
  virtual void AppendSystemMenuSeparator() = 0;
  virtual void AppendSystemMenuItem(unsigned command, std::u16string_view text) = 0;
  // The window icon as both the large and the small icon.
  virtual void SetIcons() = 0;
  virtual void SetTitle(std::u16string_view title) = 0;
  // Client rectangle of the tab control, in pixels.
  virtual ui::Rect TabClientRect() = 0;
  virtual void InsertTab(int index, std::u16string_view text) = 0;
  // Creates the page's window as a child of the tab control, not yet visible.
  virtual void CreatePage(Page page) = 0;
  virtual void MovePage(Page page, ui::Rect rect) = 0;
  virtual void ShowPage(Page page, bool visible) = 0;
  virtual void SelectTab(int index) = 0;
  // Ends the modal run with the OK result.
  virtual void CloseWithOk() = 0;
  virtual void RunAboutBox() = 0;
  virtual void DefaultSystemCommand(unsigned command, std::intptr_t parameter) = 0;
};

// The reads that follow an open port at start-up. Each is run only when it is there, so the
// pages keep their initial state until the operation behind an entry exists.
struct StartupReads {
  std::function<int()> readEdsBlob;  // start-up goes on only when this returns exactly 1
  std::function<void()> readEdsTable;
  std::function<void()> readPntParams;
  std::function<void()> refreshStatus;
  std::function<void()> buildSettingsRows;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

std::u16string MainWindowTitle();

// The tab control's client rectangle less the tab strip and a small margin.
ui::Rect PageRect(ui::Rect tabClient);

// Always returns true; closing at once when the port is not there is done through the shell.
bool InitMainWindow(MainWindowShell& shell, printer_link::PortLibrary& port, const StartupReads& reads);

void SelectPage(MainWindowShell& shell, int index);

void OnSystemCommand(MainWindowShell& shell, unsigned command, std::intptr_t parameter);

// Top-left corner of the icon drawn centred in a minimised window's client area.
Point MinimisedIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

}  // namespace app

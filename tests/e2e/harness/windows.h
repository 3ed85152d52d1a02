// Looking at and acting on another process's windows as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MessageBoxInfo {
  std::wstring caption;
  std::wstring text;
  std::vector<int> buttons;  // control IDs of the visible buttons, in window order
  bool hasIcon = false;
};

std::vector<HWND> TopLevelWindows(DWORD processId);
std::wstring WindowText(HWND window);
std::wstring ControlText(HWND parent, int id);
bool IsDialog(HWND window);
// The main window is the dialog that holds the page tabs.
bool IsMainWindow(HWND window);
// Wine's message box keeps its text in control 0xFFFF and its icon in control 1088.
MessageBoxInfo ReadMessageBox(HWND box);
// Presses a dialog's button the way the dialog would hear it.
void PressButton(HWND dialog, int id);

HWND FindDialogByCaption(DWORD processId, const std::wstring& caption);
// An open popup menu (window class #32768) of the process, or none.
HWND VisibleMenu(DWORD processId);
// The two pages live as child dialogs of the tab control; the status page is the one that
// holds the status frame.
HWND StatusPage(HWND mainWindow);
HWND SettingsPage(HWND mainWindow);

std::vector<std::wstring> TabTexts(HWND mainWindow);
int SelectedTab(HWND mainWindow);
// Moves the mouse to a point on the screen and clicks the left button there.
void ClickAt(POINT screenPoint);
// Clicks the tab's header with the mouse, so the program hears the change like from a user.
bool ClickTab(HWND mainWindow, int index);

}  // namespace e2e

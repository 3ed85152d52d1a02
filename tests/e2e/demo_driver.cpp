// Drives a running program for the demo's pictures: waits for its main window, then on each
// line read from standard input ("status", "settings", "about", "close") shows that view and
// answers "ready" once it is on screen, so the script can take the picture.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "app/resource_ids.h"
#include "tests/e2e/harness/windows.h"

namespace {

constexpr ULONGLONG kWaitMs = 20000;

// A stdcall callback: x86 does not take a lambda here.
BOOL CALLBACK TakeMainWindow(HWND window, LPARAM result) {
  if (e2e::IsMainWindow(window) && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindMainWindow() {
  const ULONGLONG end = GetTickCount64() + kWaitMs;
  while (GetTickCount64() < end) {
    HWND found = nullptr;
    EnumWindows(TakeMainWindow, reinterpret_cast<LPARAM>(&found));
    if (found) return found;
    Sleep(50);
  }
  return nullptr;
}

HWND OwnedDialog(HWND owner) {
  DWORD processId = 0;
  GetWindowThreadProcessId(owner, &processId);
  for (HWND window : e2e::TopLevelWindows(processId)) {
    if (window != owner && GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

bool ShowView(HWND window, const std::string& view) {
  if (view == "status" || view == "settings") {
    if (HWND about = OwnedDialog(window)) e2e::PressButton(about, IDOK);
    return e2e::ClickTab(window, view == "status" ? 0 : 1);
  }
  if (view == "about") {
    PostMessageW(window, WM_SYSCOMMAND, ABOUT_COMMAND, 0);
    const ULONGLONG end = GetTickCount64() + kWaitMs;
    while (!OwnedDialog(window)) {
      if (GetTickCount64() >= end) return false;
      Sleep(50);
    }
    return true;
  }
  if (view == "close") {
    if (HWND about = OwnedDialog(window)) e2e::PressButton(about, IDOK);
    Sleep(200);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return true;
  }
  return false;
}

}  // namespace

int main() {
  HWND window = FindMainWindow();
  if (!window) {
    std::cout << "no main window" << std::endl;
    return 1;
  }
  std::cout << "ready" << std::endl;
  for (std::string view; std::getline(std::cin, view);) {
    if (!view.empty() && view.back() == '\r') view.pop_back();
    const bool shown = ShowView(window, view);
    // Let the program paint before the picture is taken.
    Sleep(500);
    std::cout << (shown ? "ready" : "failed") << std::endl;
    if (view == "close") break;
  }
  return 0;
}

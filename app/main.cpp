#include <windows.h>

#include "app/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CVarneskLaserPrinterStatusMonitorApp application;
  application.StartApplication();
  return 0;
}

// The application object: runs the main window and ends the program with it.
#pragma once

class CVarneskLaserPrinterStatusMonitorApp {
 public:
  // Returns false: nothing runs after the main window has closed.
  bool StartApplication();
};

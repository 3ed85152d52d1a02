#include "app/application.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/main_window.h"
#include "platform/library_loader.h"

bool CVarneskLaserPrinterStatusMonitorApp::StartApplication() {
  // ICC_WIN95_CLASSES (0xFF) covers the tab and progress controls of the templates.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  // The port library only ever comes from the program's folder or the system folder.
  const std::unique_ptr<platform::LibraryLoader> loader = platform::MakeSystemLibraryLoader();
  const auto mainWindow = std::make_unique<CVarneskLaserPrinterStatusMonitorDlg>(*loader);
  mainWindow->Run(nullptr);
  return false;
}

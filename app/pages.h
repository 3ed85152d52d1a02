// The main window's pages. Only the status and settings pages ever get a window; the other
// three are members of the main window and nothing more.
#pragma once

#include "app/resource_ids.h"
#include "ui/win32/dialog.h"

class VarneskeLaserPrinterStatus final : public ui::win32::Page {
 public:
  VarneskeLaserPrinterStatus() : Page(IDD_STATUS_PAGE) {}
};

class VarneskeLaserPrinterSet final : public ui::win32::Page {
 public:
  VarneskeLaserPrinterSet() : Page(IDD_SETTINGS_PAGE) {}
};

class VarneskePrinterSimultion final : public ui::win32::Page {
 public:
  VarneskePrinterSimultion() : Page(IDD_SIMULATION_PAGE) {}
};

class VarneskePrinterColAdj final : public ui::win32::Page {
 public:
  VarneskePrinterColAdj() : Page(IDD_COLOUR_ADJUST_PAGE) {}
};

class VarneskePrinterSystem final : public ui::win32::Page {
 public:
  VarneskePrinterSystem() : Page(IDD_SYSTEM_PAGE) {}
};

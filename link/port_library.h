// The one way to reach the printer: every operation loads the port library by file name,
// opens the port, makes its requests only when the open returned exactly 1, and releases the
// library on every path. No library handle outlives an operation.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/frames.h"
#include "link/port_api.h"
#include "platform/library_loader.h"
#include "ui/window_ops.h"

namespace printer_link {

inline constexpr char16_t MISSING_LIBRARY_MESSAGE[] = u"找不到VarneskDotPrinterUSBPort21.dll文件!";

// What the library handed back for one query. The reported length is kept as the library
// said it (callers may report it); only bytes within the buffer's capacity are ever kept.
struct Reply {
  std::uint8_t result = 0;
  std::uint32_t reportedLength = 0;
  std::vector<std::uint8_t> bytes;  // the first min(reportedLength, capacity) bytes received
};

enum class PortState {
  Missing,  // the library could not be loaded or lacks an entry point; its message was shown
  Refused,  // OpenUSBPort did not return 1; nothing was sent
  Open,
};

// The requests of one operation; valid only while that operation holds the library.
class PortSession {
 public:
  Reply Query(const QueryRequest& request);
  std::uint8_t Control(const ControlFrame& frame);
  std::uint8_t Write(std::span<const std::uint8_t> data);

 private:
  friend class PortLibrary;
  UsbPrinterGetCmdFn getCmd_ = nullptr;
  UsbPrinterSetCmdFn setCmd_ = nullptr;
  PrinterWriteUsbFn writeUsb_ = nullptr;
};

struct QueryOutcome {
  PortState state = PortState::Missing;
  std::uint8_t openResult = 0;  // OpenUSBPort's result when the library was there
  Reply reply;                  // meaningful only when state is Open
};

class PortLibrary {
 public:
  // The window operations show the missing-library message as an application message box.
  PortLibrary(platform::LibraryLoader& loader, ui::WindowOps& messages);

  // One operation: load, open, and when the open gave exactly 1 run the requests; release.
  // Returns the state reached and OpenUSBPort's result.
  PortState Run(const std::function<void(PortSession&)>& requests, std::uint8_t* openResult = nullptr);

  // The start-up probe: OpenUSBPort alone. 0 when the library is missing (after its
  // message), otherwise OpenUSBPort's result; any non-zero result counts as open.
  std::uint8_t Probe();

  // Single-request operations.
  QueryOutcome Query(const QueryRequest& request);
  PortState Control(const ControlFrame& frame);
  // The save: the control frame and then the raw block, inside one operation.
  PortState ControlThenWrite(const ControlFrame& frame, std::span<const std::uint8_t> data);

 private:
  platform::LibraryLoader& loader_;
  ui::WindowOps& messages_;
};

}  // namespace printer_link

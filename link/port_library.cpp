#include "link/port_library.h"

#include <algorithm>
#include <memory>

namespace printer_link {
namespace {

template <typename Fn>
Fn Lookup(platform::LoadedLibrary& library, const char* name) {
  return reinterpret_cast<Fn>(library.Symbol(name));
}

}  // namespace

Reply PortSession::Query(const QueryRequest& request) {
  std::vector<std::uint8_t> buffer(request.capacity, 0);
  std::uint32_t length = 0;  // a library that never sets it has sent nothing
  Reply reply;
  reply.result = getCmd_(request.frame.bytes.data(), static_cast<std::int32_t>(request.frame.bytes.size()),
                         buffer.data(), static_cast<std::int32_t>(request.capacity), &length);
  reply.reportedLength = length;
  // The library is trusted with the buffer, not with the count it reports.
  buffer.resize(std::min(length, request.capacity));
  reply.bytes = std::move(buffer);
  return reply;
}

std::uint8_t PortSession::Control(const ControlFrame& frame) {
  return setCmd_(frame.data(), static_cast<std::int32_t>(frame.size()));
}

std::uint8_t PortSession::Write(std::span<const std::uint8_t> data) {
  return writeUsb_(data.data(), static_cast<std::int32_t>(data.size()));
}

PortLibrary::PortLibrary(platform::LibraryLoader& loader, ui::WindowOps& messages)
    : loader_(loader), messages_(messages) {}

PortState PortLibrary::Run(const std::function<void(PortSession&)>& requests, std::uint8_t* openResult) {
  // The library is released when `library` goes out of scope, on every path.
  std::unique_ptr<platform::LoadedLibrary> library = loader_.Load(PORT_LIBRARY_BASE_NAME);
  OpenUSBPortFn open = nullptr;
  PortSession session;
  if (library) {
    open = Lookup<OpenUSBPortFn>(*library, OPEN_USB_PORT);
    session.getCmd_ = Lookup<UsbPrinterGetCmdFn>(*library, USB_PRINTER_GET_CMD);
    session.setCmd_ = Lookup<UsbPrinterSetCmdFn>(*library, USB_PRINTER_SET_CMD);
    session.writeUsb_ = Lookup<PrinterWriteUsbFn>(*library, PRINTER_WRITE_USB);
  }
  // A library without all four entry points is no use to any operation: treat it as missing.
  if (!open || !session.getCmd_ || !session.setCmd_ || !session.writeUsb_) {
    library.reset();
    messages_.AppMessage(MISSING_LIBRARY_MESSAGE);
    return PortState::Missing;
  }
  const std::uint8_t opened = open();
  if (openResult != nullptr) *openResult = opened;
  if (opened != 1) return PortState::Refused;
  requests(session);
  return PortState::Open;
}

std::uint8_t PortLibrary::Probe() {
  std::uint8_t opened = 0;
  const PortState state = Run([](PortSession&) {}, &opened);
  return state == PortState::Missing ? 0 : opened;
}

QueryOutcome PortLibrary::Query(const QueryRequest& request) {
  QueryOutcome outcome;
  outcome.state = Run([&](PortSession& port) { outcome.reply = port.Query(request); }, &outcome.openResult);
  return outcome;
}

PortState PortLibrary::Control(const ControlFrame& frame) {
  return Run([&](PortSession& port) { port.Control(frame); });
}

PortState PortLibrary::ControlThenWrite(const ControlFrame& frame, std::span<const std::uint8_t> data) {
  return Run([&](PortSession& port) {
    port.Control(frame);
    port.Write(data);
  });
}

}  // namespace printer_link

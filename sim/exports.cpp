// The four C entry points. A variant library built with PRINTER_SIM_WITHOUT_<name> leaves
// that entry point out, to stand for a port library that lacks it.
#include "link/port_api.h"
#include "sim/simulator.h"

#if defined(_WIN32)
#define PRINTER_SIM_EXPORT __declspec(dllexport)
#else
#define PRINTER_SIM_EXPORT __attribute__((visibility("default")))
#endif

namespace {

sim::Simulator& Printer() {
  static sim::Simulator printer;
  return printer;
}

// Every operation begins with OpenUSBPort, which loads; this covers a caller that does not.
sim::Simulator& LoadedPrinter() {
  sim::Simulator& printer = Printer();
  if (!printer.Loaded()) printer.Load(sim::Environment::FromProcess());
  return printer;
}

}  // namespace

extern "C" {

#if !defined(PRINTER_SIM_WITHOUT_OpenUSBPort)
PRINTER_SIM_EXPORT std::uint8_t PRINTER_PORT_CALL OpenUSBPort() {
  sim::Simulator& printer = Printer();
  // Each operation sees the scenario and the saved values as they are now.
  printer.Load(sim::Environment::FromProcess());
  return printer.OpenUSBPort();
}
#endif

#if !defined(PRINTER_SIM_WITHOUT_UsbPrinterGetCmd)
PRINTER_SIM_EXPORT std::uint8_t PRINTER_PORT_CALL UsbPrinterGetCmd(const std::uint8_t* frame, std::int32_t frameLength,
                                                                   std::uint8_t* reply, std::int32_t replyCapacity,
                                                                   std::uint32_t* replyLength) {
  return LoadedPrinter().UsbPrinterGetCmd(frame, frameLength, reply, replyCapacity, replyLength);
}
#endif

#if !defined(PRINTER_SIM_WITHOUT_UsbPrinterSetCmd)
PRINTER_SIM_EXPORT std::uint8_t PRINTER_PORT_CALL UsbPrinterSetCmd(const std::uint8_t* frame, std::int32_t length) {
  return LoadedPrinter().UsbPrinterSetCmd(frame, length);
}
#endif

#if !defined(PRINTER_SIM_WITHOUT_PrinterWriteUsb)
PRINTER_SIM_EXPORT std::uint8_t PRINTER_PORT_CALL PrinterWriteUsb(const std::uint8_t* data, std::int32_t length) {
  return LoadedPrinter().PrinterWriteUsb(data, length);
}
#endif
}

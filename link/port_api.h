// The four C entry points of the printer's USB port library, looked up by name.
#pragma once

#include <cstdint>

// The maker's library exports plain C functions; on 32-bit Windows that means cdecl.
#if defined(_WIN32) && !defined(_WIN64)
#define PRINTER_PORT_CALL __cdecl
#else
#define PRINTER_PORT_CALL
#endif

extern "C" {
using OpenUSBPortFn = std::uint8_t(PRINTER_PORT_CALL*)();
using UsbPrinterGetCmdFn = std::uint8_t(PRINTER_PORT_CALL*)(const std::uint8_t* frame, std::int32_t frameLength,
                                                            std::uint8_t* reply, std::int32_t replyCapacity,
                                                            std::uint32_t* replyLength);
using UsbPrinterSetCmdFn = std::uint8_t(PRINTER_PORT_CALL*)(const std::uint8_t* frame, std::int32_t length);
using PrinterWriteUsbFn = std::uint8_t(PRINTER_PORT_CALL*)(const std::uint8_t* data, std::int32_t length);
}

namespace printer_link {

inline constexpr const char* OPEN_USB_PORT = "OpenUSBPort";
inline constexpr const char* USB_PRINTER_GET_CMD = "UsbPrinterGetCmd";
inline constexpr const char* USB_PRINTER_SET_CMD = "UsbPrinterSetCmd";
inline constexpr const char* PRINTER_WRITE_USB = "PrinterWriteUsb";

// Base name of the port library; the platform adds its prefix and suffix.
inline constexpr const char* PORT_LIBRARY_BASE_NAME = "VarneskDotPrinterUSBPort21";

}  // namespace printer_link

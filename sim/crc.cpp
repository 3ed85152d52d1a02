#include "sim/crc.h"

namespace sim {

// Bit by bit on purpose: the program uses the table-driven form, so a fault in either
// shows up as a check failure instead of being repeated on both sides.
std::uint16_t Crc16Modbus(std::span<const std::uint8_t> bytes) {
  std::uint16_t crc = 0xFFFF;
  for (std::uint8_t byte : bytes) {
    crc = static_cast<std::uint16_t>(crc ^ byte);
    for (int bit = 0; bit < 8; ++bit) {
      const bool carry = (crc & 1U) != 0;
      crc = static_cast<std::uint16_t>(crc >> 1);
      if (carry) crc = static_cast<std::uint16_t>(crc ^ 0xA001);
    }
  }
  return crc;
}

std::uint16_t ChipCrc16(std::span<const std::uint8_t> bytes) {
  std::uint16_t crc = 0;
  for (std::uint8_t byte : bytes) {
    for (int bit = 0; bit < 8; ++bit) {
      const bool in = ((byte >> bit) & 1U) != 0;
      const bool top = (crc & 0x8000U) != 0;
      crc = static_cast<std::uint16_t>(crc << 1);
      if (top != in) crc = static_cast<std::uint16_t>(crc ^ 0x8005);
    }
  }
  return crc;
}

}  // namespace sim

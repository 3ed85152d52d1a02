// The two check values the printer puts into its replies.
#pragma once

#include <cstdint>
#include <span>

namespace sim {

// CRC-16/MODBUS: the check value at the end of the description blob.
std::uint16_t Crc16Modbus(std::span<const std::uint8_t> bytes);

// The toner chip's check value: polynomial 0x8005, register 0, each byte's bits taken
// least significant first into a left-shifting register.
std::uint16_t ChipCrc16(std::span<const std::uint8_t> bytes);

}  // namespace sim

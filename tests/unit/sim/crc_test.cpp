#include "sim/crc.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

std::vector<std::uint8_t> Ascii(std::string_view text) { return {text.begin(), text.end()}; }

// Check values from the CRC catalogue (CRC-16/MODBUS, and CRC-16/ARC bit-reversed for the chip).
TEST(simCrc, ModbusKnownAnswers) {
  EXPECT_EQ(sim::Crc16Modbus(Ascii("123456789")), 0x4B37);
  EXPECT_EQ(sim::Crc16Modbus({}), 0xFFFF);
}

TEST(simCrc, ChipKnownAnswers) {
  EXPECT_EQ(sim::ChipCrc16(Ascii("123456789")), 0xBCDD);
  EXPECT_EQ(sim::ChipCrc16(Ascii("abc")), 0x1CE9);
  std::vector<std::uint8_t> record = Ascii("abc");
  record.resize(30, 0);
  EXPECT_EQ(sim::ChipCrc16(record), 0x74D8);
  EXPECT_EQ(sim::ChipCrc16(std::vector<std::uint8_t>(30, 0)), 0);
}

}  // namespace

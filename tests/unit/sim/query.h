// Asks a simulator one query the way the program does, and reads little-endian numbers.
#pragma once

#include <cstdint>
#include <vector>

#include "link/frames.h"
#include "sim/simulator.h"

namespace sim_testing {

struct Answer {
  std::uint8_t result = 0;
  std::uint32_t length = 0;
  std::vector<std::uint8_t> bytes;  // the first min(length, capacity) bytes
};

inline Answer Ask(sim::Simulator& printer, const printer_link::QueryRequest& request) {
  std::vector<std::uint8_t> buffer(request.capacity, 0);
  Answer answer;
  answer.result = printer.UsbPrinterGetCmd(request.frame.bytes.data(), 3, buffer.data(),
                                           static_cast<std::int32_t>(request.capacity), &answer.length);
  buffer.resize(std::min<std::size_t>(answer.length, buffer.size()));
  answer.bytes = buffer;
  return answer;
}

inline std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(bytes.at(at + i)) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

inline std::uint16_t Uint16At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

inline std::vector<std::int32_t> Int32s(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::int32_t> values;
  for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) values.push_back(Int32At(bytes, at));
  return values;
}

}  // namespace sim_testing

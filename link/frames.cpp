#include "link/frames.h"

namespace printer_link {

std::vector<std::uint8_t> ParameterBlock(std::span<const std::int32_t> values) {
  std::vector<std::uint8_t> block;
  block.reserve(values.size() * 4);
  for (std::int32_t value : values) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) block.push_back(static_cast<std::uint8_t>(bits >> shift));
  }
  return block;
}

}  // namespace printer_link

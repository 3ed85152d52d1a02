// The file that keeps the saved parameter values between runs: the values in table order,
// as decimal numbers on one line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// None when the file is absent or is not a list of 32-bit numbers.
std::optional<std::vector<std::int32_t>> ReadStateFile(const std::string& path);
bool WriteStateFile(const std::string& path, const std::vector<std::int32_t>& values);

}  // namespace sim

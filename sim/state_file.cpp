#include "sim/state_file.h"

#include <charconv>

#include "sim/host.h"

namespace sim {

std::optional<std::vector<std::int32_t>> ReadStateFile(const std::string& path) {
  const std::optional<std::string> saved = ReadTextFile(path);
  if (!saved) return std::nullopt;
  const std::string& text = *saved;

  std::vector<std::int32_t> values;
  const char* at = text.data();
  const char* end = text.data() + text.size();
  while (true) {
    while (at < end && (*at == ' ' || *at == '\t' || *at == '\r' || *at == '\n')) ++at;
    if (at == end) return values;
    std::int32_t value = 0;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc()) return std::nullopt;
    values.push_back(value);
    at = next;
  }
}

bool WriteStateFile(const std::string& path, const std::vector<std::int32_t>& values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) text += (i == 0 ? "" : " ") + std::to_string(values[i]);
  text += '\n';
  std::FILE* file = OpenFile(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace sim

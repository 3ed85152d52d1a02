#include <iconv.h>

#include <cstdlib>
#include <vector>

#include "sim/host.h"

namespace sim {

std::optional<std::string> Utf8ToPrinterText(std::string_view utf8) {
  iconv_t converter = iconv_open("CP936", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(utf8);
  // Code page 936 never takes more bytes than UTF-8 for the same text.
  std::vector<char> output(input.size() + 1);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (converted == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  return std::string(output.data(), output.size() - outLeft);
}

std::string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::FILE* OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }

}  // namespace sim

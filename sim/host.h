// The few services the simulator needs from the operating system; one source per platform.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// UTF-8 to the printer's 8-bit text (code page 936); none when the text has no such form.
std::optional<std::string> Utf8ToPrinterText(std::string_view utf8);

// The variable's value as UTF-8; empty when it is not set.
std::string EnvironmentVariable(const char* name);

// fopen and remove for UTF-8 paths.
std::FILE* OpenFile(const std::string& path, const char* mode);
void RemoveFile(const std::string& path);

// The whole file's bytes; none when it cannot be opened.
inline std::optional<std::string> ReadTextFile(const std::string& path) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return std::nullopt;
  std::string text;
  char chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
  std::fclose(file);
  return text;
}

}  // namespace sim

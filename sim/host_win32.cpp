#include <windows.h>

#include <cstdlib>
#include <vector>

#include "sim/host.h"

namespace sim {
namespace {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int units =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), wide.data(), units);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

}  // namespace

std::optional<std::string> Utf8ToPrinterText(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  const std::wstring wide = Wide(utf8);
  if (wide.empty()) return std::nullopt;
  BOOL lossy = FALSE;
  const int bytes =
      WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
  if (bytes <= 0 || lossy) return std::nullopt;
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), text.data(), bytes, nullptr, nullptr);
  return text;
}

std::string EnvironmentVariable(const char* name) {
  const wchar_t* value = _wgetenv(Wide(name).c_str());
  return value == nullptr ? std::string() : Utf8(value);
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
  return _wfopen(Wide(path).c_str(), Wide(mode).c_str());
}

void RemoveFile(const std::string& path) { _wremove(Wide(path).c_str()); }

}  // namespace sim

#include "tests/e2e/harness/paths.h"

#include <windows.h>

namespace e2e {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
  return text;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::wstring ToWindowsPath(const std::string& path) {
  std::wstring result = Widen(path);
  for (auto& c : result) {
    if (c == L'/') c = L'\\';
  }
  if (!result.empty() && result.front() == L'\\') result.insert(0, L"Z:");
  return result;
}

std::wstring ProgramPath() { return ToWindowsPath(E2E_PROGRAM_PATH); }

std::wstring SimulatorDir(const std::wstring& variant) {
  std::wstring dir = ToWindowsPath(E2E_SIMULATOR_DIR);
  if (!variant.empty()) dir += L"\\" + variant;
  return dir;
}

}  // namespace e2e

#include "ui/win32/message_box.h"

#include <vector>

#include "ui/program_name.h"
#include "ui/win32/window.h"

namespace ui::win32 {

std::u16string ProgramName() {
  // Long install paths exceed MAX_PATH; grow until the whole path fits.
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return u"";
    if (length < path.size()) return ProgramNameFromPath(std::u16string(path.begin(), path.begin() + length));
    path.resize(path.size() * 2);
  }
}

void AppMessageBox(HWND owner, std::u16string_view text) {
  MessageBoxW(owner, Wide(text).c_str(), Wide(ProgramName()).c_str(), MB_OK | MB_ICONWARNING);
}

int OwnedMessageBox(HWND owner, std::u16string_view text, std::optional<std::u16string_view> caption, UINT type) {
  const std::u16string programName = caption ? std::u16string() : ProgramName();
  const std::wstring title = Wide(caption ? *caption : std::u16string_view(programName));
  return MessageBoxW(owner, Wide(text).c_str(), title.c_str(), type);
}

}  // namespace ui::win32

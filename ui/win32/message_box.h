// The program's message boxes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace ui::win32 {

// The executable's file name without its extension.
std::u16string ProgramName();

// Application box: the program's name as caption, an OK button and the warning icon.
void AppMessageBox(HWND owner, std::u16string_view text);

// A box owned by a window; without a caption of its own it carries the program's name.
// Returns the MessageBoxW result (IDOK, IDYES, IDNO).
int OwnedMessageBox(HWND owner, std::u16string_view text, std::optional<std::u16string_view> caption, UINT type);

}  // namespace ui::win32

// The program's name as message boxes show it: the executable's file name without its
// extension.
#pragma once

#include <string>
#include <string_view>

namespace ui {

inline std::u16string ProgramNameFromPath(std::u16string_view path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(u'.');
  if (dot != std::u16string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::u16string(name);
}

}  // namespace ui

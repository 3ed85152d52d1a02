// Where the program under test and the simulated printer were built, as Windows paths.
#pragma once

#include <string>

namespace e2e {

std::wstring ProgramPath();
// The folder holding the simulated printer library; `variant` names a sub-folder of it, such
// as the build that lacks one entry point.
std::wstring SimulatorDir(const std::wstring& variant = L"");
// Host paths come from the build as "/..."; Wine shows the host's root as drive Z:.
std::wstring ToWindowsPath(const std::string& path);
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);

}  // namespace e2e

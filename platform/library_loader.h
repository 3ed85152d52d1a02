// Loading the port library by file name, behind an interface so tests can substitute it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class LoadedLibrary {
 public:
  virtual ~LoadedLibrary() = default;  // releases the library
  // nullptr when the library has no such entry point.
  virtual void* Symbol(const char* name) = 0;
};

class LibraryLoader {
 public:
  virtual ~LibraryLoader() = default;
  // nullptr when the library cannot be found or loaded.
  virtual std::unique_ptr<LoadedLibrary> Load(std::string_view baseName) = 0;
};

// The platform's own file name for a library base name ("X" -> "X.dll" or "libX.so").
std::string SharedLibraryFileName(std::string_view baseName);

// Searches the program's own folder (and on Windows the system folder) only.
std::unique_ptr<LibraryLoader> MakeSystemLibraryLoader();

// Loads from the given folder only; for tests that keep the library apart from the program.
std::unique_ptr<LibraryLoader> MakeFolderLibraryLoader(std::string folder);

}  // namespace platform

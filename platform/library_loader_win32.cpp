#include <windows.h>

#include <utility>

#include "platform/library_loader.h"

namespace platform {
namespace {

class Win32Library final : public LoadedLibrary {
 public:
  explicit Win32Library(HMODULE module) : module_(module) {}
  ~Win32Library() override { FreeLibrary(module_); }
  Win32Library(const Win32Library&) = delete;
  Win32Library& operator=(const Win32Library&) = delete;
  void* Symbol(const char* name) override { return reinterpret_cast<void*>(GetProcAddress(module_, name)); }

 private:
  HMODULE module_;
};

class Win32Loader final : public LibraryLoader {
 public:
  explicit Win32Loader(std::string folder) : folder_(std::move(folder)) {}

  std::unique_ptr<LoadedLibrary> Load(std::string_view baseName) override {
    const std::string fileName = folder_ + SharedLibraryFileName(baseName);
    const std::wstring wideName(fileName.begin(), fileName.end());  // our names and folders are plain ASCII
    // Only the program's folder and the system folder: no DLL planting through the current
    // directory or PATH.
    const DWORD search = folder_.empty() ? LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
                                         : LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
    HMODULE module = LoadLibraryExW(wideName.c_str(), nullptr, search);
    if (module == nullptr) return nullptr;
    return std::make_unique<Win32Library>(module);
  }

 private:
  std::string folder_;
};

}  // namespace

std::string SharedLibraryFileName(std::string_view baseName) { return std::string(baseName) + ".dll"; }

std::unique_ptr<LibraryLoader> MakeSystemLibraryLoader() { return std::make_unique<Win32Loader>(std::string()); }

std::unique_ptr<LibraryLoader> MakeFolderLibraryLoader(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return std::make_unique<Win32Loader>(std::move(folder));
}

}  // namespace platform

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <utility>

#include "platform/library_loader.h"

namespace platform {
namespace {

class PosixLibrary final : public LoadedLibrary {
 public:
  explicit PosixLibrary(void* handle) : handle_(handle) {}
  ~PosixLibrary() override { dlclose(handle_); }
  PosixLibrary(const PosixLibrary&) = delete;
  PosixLibrary& operator=(const PosixLibrary&) = delete;
  void* Symbol(const char* name) override { return dlsym(handle_, name); }

 private:
  void* handle_;
};

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  std::string folder(path, static_cast<std::size_t>(length));
  return folder.substr(0, folder.find_last_of('/') + 1);
}

class PosixLoader final : public LibraryLoader {
 public:
  PosixLoader(std::string folder, bool thenSystemSearch)
      : folder_(std::move(folder)), thenSystemSearch_(thenSystemSearch) {}

  std::unique_ptr<LoadedLibrary> Load(std::string_view baseName) override {
    const std::string fileName = SharedLibraryFileName(baseName);
    void* handle = dlopen((folder_ + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    // A bare file name makes dlopen search the system paths, never the current directory.
    if (handle == nullptr && thenSystemSearch_) handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    return std::make_unique<PosixLibrary>(handle);
  }

 private:
  std::string folder_;
  bool thenSystemSearch_;
};

}  // namespace

std::string SharedLibraryFileName(std::string_view baseName) { return "lib" + std::string(baseName) + ".so"; }

std::unique_ptr<LibraryLoader> MakeSystemLibraryLoader() { return std::make_unique<PosixLoader>(ProgramFolder(), true); }

std::unique_ptr<LibraryLoader> MakeFolderLibraryLoader(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return std::make_unique<PosixLoader>(std::move(folder), false);
}

}  // namespace platform

#include "platform/ProgramDirectory.h"

#include "platform/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zor {

namespace {

std::filesystem::path executableDirectory() {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(length);
  return std::filesystem::path(buffer).parent_path();
#else
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    return executable.parent_path();
  }
  // Without /proc nothing tells where the program lies; the working
  // directory stands in rather than the program failing to start.
  return std::filesystem::current_path(error);
#endif
}

}  // namespace

// A directory at the root of the file system keeps its "/".
ProgramDirectory::ProgramDirectory(std::filesystem::path path) : path_(std::move(path)) {
  const auto& native = path_.native();
#ifdef _WIN32
  text_.assign(native.begin(), native.end());
#else
  text_ = fromUtf8(native);
#endif
}

ProgramDirectory programDirectory() { return executableDirectory(); }

}  // namespace zor

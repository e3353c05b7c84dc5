#include "platform/ProgramDirectory.h"

#include "platform/Utf8.h"

#include <filesystem>

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

std::u16string programDirectory() {
  const std::filesystem::path directory = executableDirectory();
#ifdef _WIN32
  return directory.u16string();
#else
  // A directory at the root of the file system keeps its "/".
  return fromUtf8(directory.native());
#endif
}

}  // namespace zor

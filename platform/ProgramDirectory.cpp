#include "platform/ProgramDirectory.h"

#include "platform/Utf8.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zor {

namespace {

std::filesystem::path executablePath() {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(length);
  return std::filesystem::path(buffer);
#else
  return std::filesystem::read_symlink("/proc/self/exe");
#endif
}

}  // namespace

std::u16string programDirectory() {
  std::filesystem::path directory = executablePath().parent_path();
#ifdef _WIN32
  return directory.u16string();
#else
  // A directory at the root of the file system keeps its "/".
  return fromUtf8(directory.native());
#endif
}

}  // namespace zor

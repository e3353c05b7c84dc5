#include "platform/ProgramDirectory.h"

#include "platform/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zor {

namespace {

std::filesystem::path executable(std::error_code& error) {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length == buffer.size()) {
    error.assign(static_cast<int>(GetLastError()), std::system_category());
    return {};
  }
  buffer.resize(length);
  return buffer;
#else
  // Without /proc nothing tells where the program lies.
  return std::filesystem::read_symlink("/proc/self/exe", error);
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

ProgramDirectory programDirectory(std::error_code& error) {
  error.clear();
  std::filesystem::path path = executable(error);
  if (error) {
    return {};
  }
  return path.parent_path();
}

}  // namespace zor

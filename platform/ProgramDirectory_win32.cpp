#include "platform/ProgramDirectory.h"

#include <windows.h>

#include <string>
#include <utility>

namespace zor {

// A directory at the root of a drive keeps its "\". The UTF-16 units are
// taken as they are, a name the system allows but that is not valid Unicode
// included.
ProgramDirectory::ProgramDirectory(std::filesystem::path path) : path_(std::move(path)) {
  const std::wstring& native = path_.native();
  text_.assign(native.begin(), native.end());
}

ProgramDirectory programDirectory(std::error_code& error) {
  error.clear();
  // A path may be longer than MAX_PATH; the system cuts it off to fit the
  // buffer, so the buffer grows until the whole path fits.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      error.assign(static_cast<int>(GetLastError()), std::system_category());
      return {};
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  return std::filesystem::path(buffer).parent_path();
}

}  // namespace zor

#include "platform/ProgramDirectory.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

namespace zor {

std::u16string programDirectory() {
  // A path may be longer than MAX_PATH; the system cuts it off to fit the
  // buffer, so the buffer grows until the whole path fits.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      // Without it every file would be looked for in the wrong place.
      throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                              "GetModuleFileNameW");
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  // A directory at the root of a drive keeps its "\". The UTF-16 units are
  // taken as they are, a name the system allows but that is not valid
  // Unicode included.
  const std::wstring directory = std::filesystem::path(buffer).parent_path().native();
  return std::u16string(directory.begin(), directory.end());
}

}  // namespace zor

#include "platform/ParentConsole.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>

namespace zor {

void useParentConsole() {
  const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  if (attached) {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
  }
  struct Stream {
    DWORD id;
    int descriptor;
    const wchar_t* device;
    DWORD access;
    int flags;
  };
  const Stream streams[] = {
      {STD_INPUT_HANDLE, 0, L"CONIN$", GENERIC_READ, _O_RDONLY},
      {STD_OUTPUT_HANDLE, 1, L"CONOUT$", GENERIC_WRITE, _O_WRONLY},
      {STD_ERROR_HANDLE, 2, L"CONOUT$", GENERIC_WRITE, _O_WRONLY},
  };
  for (const Stream& stream : streams) {
    if (_get_osfhandle(stream.descriptor) >= 0) {
      continue;  // started with it
    }
    HANDLE handle = GetStdHandle(stream.id);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
      if (!attached) {
        continue;
      }
      handle = CreateFileW(stream.device, stream.access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
      if (handle == INVALID_HANDLE_VALUE) {
        continue;
      }
      SetStdHandle(stream.id, handle);
    }
    const int descriptor =
        _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), stream.flags | _O_BINARY);
    if (descriptor >= 0 && descriptor != stream.descriptor) {
      _dup2(descriptor, stream.descriptor);
    }
  }
}

}  // namespace zor

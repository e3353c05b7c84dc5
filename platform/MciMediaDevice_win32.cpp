#include "platform/MciMediaDevice.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>
#include <string_view>

namespace zor {

namespace {

// "play <path>" becomes `play "<path>"`: unquoted, the device would read the
// path only up to its first blank. No Windows file name holds a quotation
// mark. The quoted path still names the device, so the close of the same
// path reaches it.
std::u16string quotedPath(std::u16string_view command) {
  const std::size_t blank = command.find(u' ');
  if (blank == std::u16string_view::npos || blank + 1 == command.size()) {
    return std::u16string(command);
  }
  return std::u16string(command.substr(0, blank + 1)) + u'"' +
         std::u16string(command.substr(blank + 1)) + u'"';
}

}  // namespace

void MciMediaDevice::send(std::u16string_view command) {
  const std::string text = codePage_.encode(quotedPath(command));
  mciSendStringA(text.c_str(), nullptr, 0, nullptr);
}

bool MciMediaDevice::playing(std::u16string_view path) {
  const std::string text =
      codePage_.encode(quotedPath(u"status " + std::u16string(path)) + u" mode");
  char mode[32] = {};
  return mciSendStringA(text.c_str(), mode, sizeof mode, nullptr) == 0 &&
         std::string_view(mode) == "playing";
}

}  // namespace zor

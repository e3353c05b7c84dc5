#include "platform/MciMediaDevice.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

namespace {

// The device of a path goes by a name made from the path, the same for the
// same path every time, that holds no blank: Wine reads a quoted name with a
// blank only when a device is opened. The path itself is quoted, so that the
// device reads all of it.
std::u16string aliasOf(std::u16string_view path) {
  std::uint64_t hash = 0xcbf29ce484222325u;  // FNV-1a
  for (const char16_t unit : path) {
    hash = (hash ^ unit) * 0x100000001b3u;
  }
  std::u16string alias = u"zor";
  for (int shift = 60; shift >= 0; shift -= 4) {
    alias += u"0123456789abcdef"[(hash >> shift) & 0xFu];
  }
  return alias;
}

}  // namespace

void MciMediaDevice::sendText(std::u16string_view text, char* answer, unsigned size) {
  const std::string bytes = codePage_.encode(text);
  answered_ = mciSendStringA(bytes.c_str(), answer, size, nullptr) == 0;
}

// "play <path>" opens the path's device, unless it is open already, and
// plays it; "close <path>" closes it. Anything else goes as it is.
void MciMediaDevice::send(std::u16string_view command) {
  const std::size_t blank = command.find(u' ');
  if (blank == std::u16string_view::npos || blank + 1 == command.size()) {
    sendText(command);
    return;
  }
  const std::u16string_view verb = command.substr(0, blank);
  const std::u16string_view path = command.substr(blank + 1);
  const std::u16string alias = aliasOf(path);
  if (verb == u"play") {
    sendText(u"open \"" + std::u16string(path) + u"\" alias " + alias);
  }
  sendText(std::u16string(verb) + u' ' + alias);
}

bool MciMediaDevice::playing(std::u16string_view path) {
  char mode[32] = {};
  sendText(u"status " + aliasOf(path) + u" mode", mode, sizeof mode);
  return answered_ && std::string_view(mode) == "playing";
}

}  // namespace zor

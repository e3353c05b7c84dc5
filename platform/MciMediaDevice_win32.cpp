#include "platform/MciMediaDevice.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>
#include <string_view>

namespace zor {

void MciMediaDevice::send(std::u16string_view command) {
  const std::string text = codePage_.encode(command);
  mciSendStringA(text.c_str(), nullptr, 0, nullptr);
}

bool MciMediaDevice::playing(std::u16string_view path) {
  const std::string text = codePage_.encode(u"status " + std::u16string(path) + u" mode");
  char mode[32] = {};
  return mciSendStringA(text.c_str(), mode, sizeof mode, nullptr) == 0 &&
         std::string_view(mode) == "playing";
}

}  // namespace zor

#include "platform/MciMediaDevice.h"

#include <windows.h>

#include <mmsystem.h>

namespace zor {

void MciMediaDevice::send(std::u16string_view command) {
  const std::string text = codePage_.encode(command);
  mciSendStringA(text.c_str(), nullptr, 0, nullptr);
}

}  // namespace zor

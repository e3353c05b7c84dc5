#pragma once

#include "platform/CodePage.h"
#include "platform/MediaDevice.h"

namespace zor {

// The Windows multimedia command-string interface: each command text goes to
// mciSendStringA in the ANSI code page, with no window to notify. The
// result is not examined. "play <path>" opens the file under a device name
// of its own, made from the path (open "<path>" alias <name>), and plays
// it; "close <path>" closes that device; whether a path plays is asked with
// "status <name> mode".
class MciMediaDevice final : public MediaDevice {
 public:
  explicit MciMediaDevice(const CodePage& codePage) : codePage_(codePage) {}

  void send(std::u16string_view command) override;
  bool playing(std::u16string_view path) override;

 private:
  void sendText(std::u16string_view text, char* answer = nullptr, unsigned size = 0);

  const CodePage& codePage_;
  bool answered_ = false;  // whether the last text sent was carried out
};

}  // namespace zor

#pragma once

#include "app/ConsoleCommands.h"
#include "app/Form.h"
#include "interpreter/KeyPress.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/MediaDevice.h"

#include <string>

namespace zor::bench {

class SilentMediaDevice final : public MediaDevice {
 public:
  void send(std::u16string_view) override {}
};

// A typical output line of the log: prefix, some text, CR LF.
inline const std::u16string kLine = u"[12:34:56]The quick brown fox 跳过了懒狗\r\n";

inline void enter(Console& console, std::u16string_view line) {
  console.input = std::u16string(line);
  text2KeyPress(console, consoleCommands(), kEnter);
}

}  // namespace zor::bench

#include "app/KeyHandler.h"

#include "app/ConsoleCommands.h"
#include "interpreter/KeyPress.h"

namespace zor {

void handleKey(Console& console, char16_t keyCode) {
  text2KeyPress(console, consoleCommands(), keyCode);
}

}  // namespace zor

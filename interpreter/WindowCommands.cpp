#include "interpreter/WindowCommands.h"

#include "interpreter/Output.h"

namespace zor {

// The echo of the "clear" line goes with the rest of the log.
void clearCommand(Console& console, const Invocation&) {
  console.log.replace(std::u16string());
  console.log.setCaret(0);
}

void stopCommand(Console& console, const Invocation&) { console.window.stopRequested = true; }

void titleCommand(Console& console, const Invocation& call) {
  console.window.caption = std::u16string(call.argument);
}

void topCommand(Console& console, const Invocation&) { console.log.setCaret(0); }

void sayCommand(Console& console, const Invocation& call) {
  writeLine(console, call.prefix, call.argument);
}

void hideCommand(Console& console, const Invocation& call) {
  writeLine(console, call.prefix, u"隐藏窗口...");
  console.window.visible = false;
}

}  // namespace zor

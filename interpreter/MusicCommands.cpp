#include "interpreter/MusicCommands.h"

#include "interpreter/Output.h"
#include "interpreter/ProgramFiles.h"

namespace zor {

// The messages report the attempt, not the result: the device never answers.
void playmusicCommand(Console& console, const Invocation& call) {
  console.vars.am = programPath(console, call.argument, u".mp3");
  console.services.media.send(u"play " + console.vars.am);
  writeLine(console, call.prefix, u"尝试播放" + console.vars.am);
}

// A new play does not close the path before it, and stopping keeps the path,
// so it can be closed again (the window's unload does so once more).
void stopmusicCommand(Console& console, const Invocation& call) {
  console.services.media.send(u"close " + console.vars.am);
  writeLine(console, call.prefix, u"停止播放" + console.vars.am);
}

}  // namespace zor

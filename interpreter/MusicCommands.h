#pragma once

#include "interpreter/CommandTable.h"

namespace zor {

// playmusic, pm: remembers argument + ".mp3" in the program directory as the
// music path and asks the media device to play it.
void playmusicCommand(Console& console, const Invocation& call);

// stopmusic, sm: asks the media device to close the music path.
void stopmusicCommand(Console& console, const Invocation& call);

}  // namespace zor

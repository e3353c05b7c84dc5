#pragma once

#include "interpreter/CommandTable.h"

#include <string_view>

namespace zor {

// "AI on": enters AI mode, creating the question-and-answer file with its
// three example entries when there is none.
void aiOnCommand(Console& console, const Invocation& call);

// "AI off": leaves AI mode, whatever mode the console was in.
void aiOffCommand(Console& console, const Invocation& call);

// AI: answers one line typed in AI mode from the question-and-answer file,
// read anew for every question, or leaves AI mode on "AI off".
void AI(Console& console, std::u16string_view x);

}  // namespace zor

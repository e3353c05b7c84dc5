#pragma once

#include "app/batch/LineReader.h"
#include "app/batch/PlayedMusic.h"
#include "interpreter/Console.h"
#include "platform/ByteStreams.h"

#include <atomic>
#include <string>

namespace zor {

struct BatchStreams {
  ByteSource& input;
  std::string inputName;  // for messages: the file's name, or "standard input"
  ByteSink& output;
  ByteSink& errors;
  const std::atomic<bool>& interrupted;
  std::size_t lineLimit = LineReader::kLineLimit;  // bytes of one input line
};

// A run without a window. Starts the console (its banner included), runs
// each input line as if it had been typed into the input box and Enter
// pressed, and writes every line the log receives to the output as soon as
// the line that made it is done. At the end of input it waits for the music
// that still plays, then unloads. `stop` ends at once without the unload
// step; Ctrl+C ends at once with it; so does a failed input or output, or
// an input line longer than the limit, with one line on `errors`. Returns the exit status. The
// console's media device must be `music`.
int runBatch(Console& console, PlayedMusic& music, const BatchStreams& streams);

}  // namespace zor

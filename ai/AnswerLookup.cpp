#include "ai/Ai.h"
#include "ai/BestAnswer.h"
#include "ai/QaFile.h"
#include "interpreter/Output.h"
#include "interpreter/TextFileReader.h"

#include <cstdint>
#include <new>
#include <string>

namespace zor {

namespace {

constexpr std::u16string_view kNoAnswerReply[] = {
    u"没有相似问题的答案...",
    u"你可以在程序同目录下的ZOR-AI-QA.txt中加入问题和答案",
    u"每一行的格式为 问题###答案###未知用途的数字 ",
};

}  // namespace

// The file is read from the start for every question, a piece at a time, so
// an edit counts from the next question and a file of any size fits.
void AI(Console& console, std::u16string_view x) {
  const std::u16string prefix = linePrefix(console);
  if (x == u"AI off") {
    aiOffCommand(console, Invocation{prefix, {}});
    return;
  }
  const ProgramFile file = qaFile(console);
  TextFileReader reader(console.services.codePage);
  if (const std::error_code error = reader.open(file.path)) {
    reportFileError(console, prefix, file.name, error);
    return;
  }
  std::uint64_t bestScore = 0;
  std::u16string bestAnswer;
  try {
    BestAnswer best(x);
    std::u16string_view piece;
    bool endsLine = false;
    while (reader.next(piece, endsLine)) {
      best.add(piece);
      if (endsLine) {
        best.endLine();
      }
    }
    bestScore = best.score();
    bestAnswer = best.takeAnswer();
  } catch (const std::bad_alloc&) {  // an answer longer than memory holds
    reportFileError(console, prefix, file.name, std::make_error_code(std::errc::not_enough_memory));
    return;
  }
  if (reader.error()) {
    reportFileError(console, prefix, file.name, reader.error());
  } else if (bestScore > 0) {
    writeLine(console, prefix, bestAnswer);
  } else {
    writeLines(console, prefix, kNoAnswerReply);
  }
}

}  // namespace zor

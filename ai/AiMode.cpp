#include "ai/Ai.h"
#include "ai/QaFile.h"
#include "interpreter/Output.h"
#include "interpreter/TextFileWriter.h"

#include <filesystem>

namespace zor {

// An existing file is never touched, even an empty or malformed one. When the
// file cannot be made, AI mode is on all the same and the report says why.
void aiOnCommand(Console& console, const Invocation& call) {
  console.vars.aii = u"1";
  const ProgramFile file = qaFile(console);
  std::error_code error;
  if (!std::filesystem::exists(file.path, error) && !error) {
    TextFileWriter writer(console.services.codePage);
    error = writer.create(file.path);
    if (!error) {
      writer.write(kDefaultQaContent);
      error = writer.commit();
    }
  }
  if (error) {
    reportFileError(console, call.prefix, file.name, error);
  }
  writeLine(console, call.prefix, u"AI模式已开启!输入AI off可关闭");
}

void aiOffCommand(Console& console, const Invocation& call) {
  console.vars.aii = u"0";
  writeLine(console, call.prefix, u"AI模式已关闭!");
}

}  // namespace zor

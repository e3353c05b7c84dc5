#include "interpreter/DecorationCommands.h"

#include "interpreter/Output.h"
#include "interpreter/ProgramFiles.h"
#include "interpreter/TextFileReader.h"
#include "interpreter/TextFileWriter.h"

namespace zor {

void loadAddHeadCommand(Console& console, const Invocation& call) {
  console.vars.addds = std::u16string(call.argument);
  writeLine(console, call.prefix, u"每行开头添加内容已更改为" + console.vars.addds);
}

void loadAddEndCommand(Console& console, const Invocation& call) {
  console.vars.addde = std::u16string(call.argument);
  writeLine(console, call.prefix, u"每行结尾添加内容已更改为" + console.vars.addde);
}

// The copy begins with an empty line; each source line follows as the
// start text, the line and the end text.
void loadAddSaveCommand(Console& console, const Invocation& call) {
  const ProgramFile source = programFile(console, call.argument, u".txt");
  std::u16string copy;
  if (const std::error_code error = readLines(console.services.codePage, source.path,
                                              console.vars.addds, console.vars.addde, copy)) {
    reportFileError(console, call.prefix, source.name, error);
    return;
  }
  writeLine(console, call.prefix, u"正在更改" + source.name + u"...");
  const ProgramFile target = programFile(console, call.argument, u"-Done.txt");
  if (const std::error_code error = writeTextFile(console.services.codePage, target.path, copy)) {
    reportFileError(console, call.prefix, target.name, error);
    return;
  }
  writeLine(console, call.prefix, u"完成！请检查同一目录下的" + target.name);
}

}  // namespace zor

#include "interpreter/DecorationCommands.h"

#include "interpreter/FileConversion.h"
#include "interpreter/Output.h"

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
  convertTextFile(console, call, {u"-Done.txt", {}, console.vars.addds, console.vars.addde, {}});
}

}  // namespace zor

#include "interpreter/HtmlExport.h"

#include "interpreter/Output.h"
#include "interpreter/ProgramFiles.h"
#include "interpreter/TextFileReader.h"
#include "interpreter/TextFileWriter.h"

namespace zor {

// Nothing is escaped: the title and the lines reach the page as they are.
// The body opens and closes with a paragraph of four blanks, and an empty
// line stands before the first line's paragraph.
void htmlCommand(Console& console, const Invocation& call) {
  const ProgramFile source = programFile(console, call.argument, u".txt");
  std::u16string page = u"<html>\r\n<head>\r\n<title>";
  page.append(call.argument).append(u"</title>\r\n</head>\r\n<body>\r\n<p>    </p>\r\n");
  if (const std::error_code error =
          readLines(console.services.codePage, source.path, u"<p>    ", u"</p>", page)) {
    reportFileError(console, call.prefix, source.name, error);
    return;
  }
  page.append(u"\r\n<p>    </p>\r\n</body>\r\n</html>");
  writeLine(console, call.prefix, u"正在更改" + source.name + u"...");
  const ProgramFile target = programFile(console, call.argument, u".html");
  if (const std::error_code error = writeTextFile(console.services.codePage, target.path, page)) {
    reportFileError(console, call.prefix, target.name, error);
    return;
  }
  writeLine(console, call.prefix, u"完成！请检查同一目录下的" + target.name);
}

}  // namespace zor

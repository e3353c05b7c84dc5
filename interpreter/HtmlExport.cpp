#include "interpreter/HtmlExport.h"

#include "interpreter/FileConversion.h"

namespace zor {

// Nothing is escaped: the title and the lines reach the page as they are.
// The body opens and closes with a paragraph of four blanks, and an empty
// line stands before the first line's paragraph.
void htmlCommand(Console& console, const Invocation& call) {
  std::u16string head = u"<html>\r\n<head>\r\n<title>";
  head.append(call.argument).append(u"</title>\r\n</head>\r\n<body>\r\n<p>    </p>\r\n");
  convertTextFile(console, call,
                  {u".html", head, u"<p>    ", u"</p>", u"\r\n<p>    </p>\r\n</body>\r\n</html>"});
}

}  // namespace zor

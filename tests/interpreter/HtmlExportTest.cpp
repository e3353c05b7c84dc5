#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

namespace zor::test {
namespace {

class HtmlExportTest : public ConsoleTest {
 protected:
  const std::u16string p{P};
};

constexpr std::string_view kHead = "<html>\r\n<head>\r\n<title>";
constexpr std::string_view kBodyStart = "</title>\r\n</head>\r\n<body>\r\n<p>    </p>\r\n";
constexpr std::string_view kEnd = "\r\n<p>    </p>\r\n</body>\r\n</html>\r\n";

TEST_F(HtmlExportTest, WritesOneParagraphPerLine) {
  const struct {
    std::u16string_view line;
    std::filesystem::path source;
    std::string_view bytes;
    std::filesystem::path page;
    std::string title;
    std::string_view paragraphs;
  } cases[] = {
      {u"html notes", "notes.txt", "one\r\ntwo\r\n", "notes.html", "notes",
       "\r\n<p>    one</p>\r\n<p>    two</p>"},
      {u"html notes", "notes.txt", "", "notes.html", "notes", ""},
      {u"html my notes ", "my notes .txt", "<b>x</b> & \"y\"\r\n\r\n\xC4\xE3", "my notes .html",
       "my notes ", "\r\n<p>    <b>x</b> & \"y\"</p>\r\n<p>    </p>\r\n<p>    \xC4\xE3</p>"},
      {u"html ", ".txt", "a", ".html", "", "\r\n<p>    a</p>"},
#ifndef _WIN32
      // Windows allows no such name.
      {u"html <i>", "<i>.txt", "a", "<i>.html", "<i>", "\r\n<p>    a</p>"},
#endif
  };
  for (const auto& c : cases) {
    writeBytes(directory / c.source, c.bytes);
    enter(c.line);
    EXPECT_EQ(readBytes(directory / c.page), std::string(kHead) + c.title +
                                                 std::string(kBodyStart) +
                                                 std::string(c.paragraphs) + std::string(kEnd));
    const std::u16string argument(c.line.substr(5));
    EXPECT_EQ(fresh(), p + u">>>" + std::u16string(c.line) + u"\r\n" + p + u"正在更改" + argument +
                           u".txt...\r\n" + p + u"完成！请检查同一目录下的" + argument +
                           u".html\r\n");
  }
}

}  // namespace
}  // namespace zor::test
